#pragma once
// Pixels as the screen or a bitmap holds them, read once into memory.
#include <windows.h>

#include <vector>

#include "platform/mfc/GvMfc.h"

class CPixels
{
public:
    enum Area
    {
        ClientArea,
        WholeWindow
    };
    // A window's client area or whole window, read back from its device
    // context after UpdateWindow painted what was pending.
    CPixels(HWND hWnd, Area area);
    // The top-left width x height pixels of a device context (a memory DC).
    CPixels(HDC dc, int width, int height);
    // Every pixel of a bitmap not selected into any DC.
    explicit CPixels(HBITMAP bitmap);

    COLORREF At(int x, int y) const { return m_pixels[y * m_width + x]; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Bounding box of the pixels of one colour inside `within`; empty if none.
    CRect BoundsOf(COLORREF colour, const CRect& within) const;

private:
    void Read(HDC dc, int width, int height);

    int m_width = 0, m_height = 0;
    std::vector<COLORREF> m_pixels;
};

// A 32-bit bitmap selected into a memory DC, filled with one colour.
class CCanvas
{
public:
    CCanvas(int width, int height, COLORREF fill);
    ~CCanvas();
    CCanvas(const CCanvas&) = delete;
    CCanvas& operator=(const CCanvas&) = delete;

    HDC Dc() const { return m_dc; }
    COLORREF At(int x, int y) const { return ::GetPixel(m_dc, x, y); }
    CPixels Pixels() const { return CPixels(m_dc, m_width, m_height); }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
    int m_width, m_height;
};

// A width x height bitmap compatible with the screen, filled with one colour;
// the caller deletes it.
HBITMAP SolidBitmap(int width, int height, COLORREF color);
// A 16 x 16 icon of one opaque colour; the caller destroys it.
HICON SolidIcon(COLORREF color);
