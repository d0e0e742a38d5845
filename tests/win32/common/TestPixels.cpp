#include "TestPixels.h"

#include <algorithm>

namespace {

HBITMAP CreateTopDownBitmap(HDC dc, int width, int height, void** bits)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    return ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

} // namespace

CPixels::CPixels(HWND hWnd, Area area)
{
    ::UpdateWindow(hWnd);
    CRect rect;
    if (area == ClientArea)
        ::GetClientRect(hWnd, &rect);
    else
        ::GetWindowRect(hWnd, &rect);
    HDC dc = area == ClientArea ? ::GetDC(hWnd) : ::GetWindowDC(hWnd);
    Read(dc, rect.Width(), rect.Height());
    ::ReleaseDC(hWnd, dc);
}

CPixels::CPixels(HDC dc, int width, int height)
{
    Read(dc, width, height);
}

CPixels::CPixels(HBITMAP bitmap)
{
    BITMAP info = {};
    ::GetObjectW(bitmap, sizeof(info), &info);
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    Read(dc, info.bmWidth, info.bmHeight);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
}

// One block transfer into a 32-bit bitmap instead of a GetPixel per pixel.
void CPixels::Read(HDC dc, int width, int height)
{
    m_width = width;
    m_height = height;
    void* bits = nullptr;
    HDC copy = ::CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateTopDownBitmap(dc, width, height, &bits);
    HGDIOBJ old = ::SelectObject(copy, bitmap);
    ::BitBlt(copy, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    ::GdiFlush();
    const DWORD* pixel = static_cast<const DWORD*>(bits);
    m_pixels.resize(static_cast<size_t>(width) * height);
    for (COLORREF& out : m_pixels) {
        const DWORD bgr = *pixel++;
        out = RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }
    ::SelectObject(copy, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(copy);
}

CRect CPixels::BoundsOf(COLORREF colour, const CRect& within) const
{
    CRect box;
    for (int y = std::max<int>(within.top, 0); y < std::min<int>(within.bottom, m_height); ++y)
        for (int x = std::max<int>(within.left, 0); x < std::min<int>(within.right, m_width); ++x)
            if (At(x, y) == colour) {
                if (box.IsRectEmpty())
                    box = CRect(x, y, x + 1, y + 1);
                else
                    box.UnionRect(box, CRect(x, y, x + 1, y + 1));
            }
    return box;
}

CCanvas::CCanvas(int width, int height, COLORREF fill) : m_width(width), m_height(height)
{
    HDC screen = ::GetDC(nullptr);
    m_dc = ::CreateCompatibleDC(screen);
    void* bits = nullptr;
    m_bitmap = CreateTopDownBitmap(screen, width, height, &bits);
    ::ReleaseDC(nullptr, screen);
    m_old = ::SelectObject(m_dc, m_bitmap);
    ::SetBkColor(m_dc, fill);
    const RECT all = {0, 0, width, height};
    ::ExtTextOutW(m_dc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
}

CCanvas::~CCanvas()
{
    ::SelectObject(m_dc, m_old);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_dc);
}

HBITMAP SolidBitmap(int width, int height, COLORREF color)
{
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, width, height);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    RECT r = {0, 0, width, height};
    HBRUSH hBrush = ::CreateSolidBrush(color);
    ::FillRect(hDC, &r, hBrush);
    ::DeleteObject(hBrush);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ::ReleaseDC(nullptr, hScreen);
    return hBitmap;
}

HICON SolidIcon(COLORREF color)
{
    HBITMAP hColor = SolidBitmap(16, 16, color);
    HBITMAP hMask = ::CreateBitmap(16, 16, 1, 1, nullptr);
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hMask);
    ::PatBlt(hDC, 0, 0, 16, 16, BLACKNESS); // all opaque
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ICONINFO info = {TRUE, 0, 0, hMask, hColor};
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(hColor);
    ::DeleteObject(hMask);
    return hIcon;
}
