#pragma once
// A high-contrast colour scheme (light text on black, yellow and cyan marks)
// for the life of the object: the system's colours before come back at its
// end, whatever happened meanwhile. Setting them tells every top-level window
// (WM_SYSCOLORCHANGE) and repaints the screen.
#include <windows.h>

#include <iterator>

class CHighContrastColors
{
public:
    CHighContrastColors()
    {
        for (int i = 0; i < kCount; ++i)
            m_saved[i] = ::GetSysColor(kScheme[i].index);
        Set(true);
    }
    ~CHighContrastColors() { Set(false); }
    CHighContrastColors(const CHighContrastColors&) = delete;
    CHighContrastColors& operator=(const CHighContrastColors&) = delete;

private:
    struct Entry
    {
        int index;
        COLORREF color;
    };
    static constexpr Entry kScheme[] = {
        {COLOR_WINDOW, RGB(0, 0, 0)},
        {COLOR_WINDOWTEXT, RGB(255, 255, 255)},
        {COLOR_BTNFACE, RGB(0, 0, 0)},
        {COLOR_BTNTEXT, RGB(255, 255, 255)},
        {COLOR_3DLIGHT, RGB(192, 192, 192)},
        {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)},
        {COLOR_BTNSHADOW, RGB(128, 128, 128)},
        {COLOR_3DDKSHADOW, RGB(64, 64, 64)},
        {COLOR_HIGHLIGHT, RGB(0, 255, 255)},
        {COLOR_HIGHLIGHTTEXT, RGB(0, 0, 0)},
        {COLOR_HOTLIGHT, RGB(255, 255, 0)},
        {COLOR_GRAYTEXT, RGB(0, 255, 0)},
        {COLOR_MENU, RGB(0, 0, 0)},
        {COLOR_MENUTEXT, RGB(255, 255, 255)},
        {COLOR_MENUBAR, RGB(0, 0, 0)},
        {COLOR_MENUHILIGHT, RGB(0, 255, 255)},
        {COLOR_SCROLLBAR, RGB(0, 0, 0)},
        {COLOR_WINDOWFRAME, RGB(255, 255, 255)},
        {COLOR_ACTIVECAPTION, RGB(128, 0, 128)},
        {COLOR_CAPTIONTEXT, RGB(255, 255, 255)},
        {COLOR_INFOBK, RGB(0, 0, 0)},
        {COLOR_INFOTEXT, RGB(255, 255, 0)},
        {COLOR_APPWORKSPACE, RGB(0, 0, 0)},
    };
    static constexpr int kCount = static_cast<int>(std::size(kScheme));

    void Set(bool highContrast) const
    {
        int indices[kCount];
        COLORREF colors[kCount];
        for (int i = 0; i < kCount; ++i) {
            indices[i] = kScheme[i].index;
            colors[i] = highContrast ? kScheme[i].color : m_saved[i];
        }
        ::SetSysColors(kCount, indices, colors);
    }

    COLORREF m_saved[kCount];
};
