#include <gtest/gtest.h>
#include "GvColor.h"
#include "GvWindowUtils.h"
#include "platform/edit/BCGPEditCtrl.h"
#include "ProcessObjects.h"
#include "TestFrame.h"
#include "TestPixels.h"

namespace {

// Before any window: the system must not stretch this process's windows.
const BOOL kAware = ::SetProcessDPIAware();

// Runs under a prefix of 144 DPI (this suite's CTest environment).
using DpiTest = Win32WindowTest;

TEST_F(DpiTest, WindowsReportTheScreensDpiAndScaleBySixtyPercent)
{
    ASSERT_TRUE(kAware);
    EXPECT_EQ(144u, AfxGetWindowDpi(&m_frame));
    EXPECT_EQ(144u, AfxGetWindowDpi(nullptr));
    EXPECT_EQ(30, AfxScaleForWindow(&m_frame, 20));
}

TEST_F(DpiTest, WheelMarkerAndSliderThumbArePaintedAtTheirScaledSizes)
{
    float color[3] = {1.0f, 0.5f, 0.5f}; // value 1: a black marker on a light colour
    CGvColorWheel wheel;
    ASSERT_TRUE(
        wheel.CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 200), &m_frame, 1));
    wheel.m_color = color;
    const CCanvas wheelPicture(200, 200, RGB(1, 2, 3));
    wheel.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(wheelPicture.Dc()), PRF_CLIENT);
    // The cross: arms of 8 (5 at 96 DPI) each side, lines two pixels wide.
    CRect box(0, 0, 0, 0);
    int black = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            if (wheelPicture.At(x, y) == RGB(0, 0, 0)) {
                ++black;
                const CRect pixel(x, y, x + 1, y + 1);
                box.UnionRect(&box, &pixel); // an empty one counts for nothing
            }
    EXPECT_EQ(CSize(17, 17), box.Size());
    EXPECT_EQ(2 * 17 * 2 - 2 * 2, black);

    CGvColorSlider slider;
    ASSERT_TRUE(slider.Create(WS_CHILD | WS_VISIBLE | TBS_HORZ, CRect(0, 210, 150, 240), &m_frame, 2));
    float value = 0.16f;
    slider.m_value = &value;
    slider.m_stops[0] = {0, 0, 1};
    slider.m_stops[1] = {1, 0, 1};
    const CCanvas sliderPicture(150, 30, RGB(1, 2, 3));
    slider.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(sliderPicture.Dc()), PRF_CLIENT);
    // The thumb {23, 3, 29, 27}: a black outline around white.
    EXPECT_EQ(RGB(0, 0, 0), sliderPicture.At(23, 15));
    EXPECT_EQ(RGB(255, 255, 255), sliderPicture.At(24, 15));
    EXPECT_EQ(RGB(255, 255, 255), sliderPicture.At(27, 15));
    EXPECT_EQ(RGB(0, 0, 0), sliderPicture.At(28, 15));
    EXPECT_EQ(RGB(0, 0, 0), sliderPicture.At(25, 3));
    EXPECT_EQ(RGB(0, 0, 0), sliderPicture.At(25, 26));
    EXPECT_NE(RGB(0, 0, 0), sliderPicture.At(25, 2));
}

TEST_F(DpiTest, IconMenuTakesAColumnOfThirtyAndIconsOfTwentyFour)
{
    CGvIconMenu menu;
    menu.AppendMenuWithIconHandle(L"Open", 1, SolidIcon(RGB(0, 0, 255)), true);
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    ASSERT_TRUE(::GetMenuItemInfoW(menu.m_hMenu, 0, TRUE, &info));
    MEASUREITEMSTRUCT measure = {};
    measure.CtlType = ODT_MENU;
    measure.itemData = info.dwItemData;
    menu.MeasureItem(&measure);
    EXPECT_GE(measure.itemHeight, 29u); // 19 at 96 DPI

    const CCanvas canvas(150, 40, RGB(1, 2, 3));
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_MENU;
    draw.itemID = 1;
    draw.hDC = canvas.Dc();
    draw.rcItem = {0, 0, 150, 40};
    draw.itemData = info.dwItemData;
    menu.DrawItem(&draw);
    // The 16 x 16 icon drawn at 24 x 24 from (3, 2).
    EXPECT_EQ(RGB(0, 0, 255), canvas.At(3, 2));
    EXPECT_EQ(RGB(0, 0, 255), canvas.At(26, 25));
    EXPECT_NE(RGB(0, 0, 255), canvas.At(27, 25));
    EXPECT_NE(RGB(0, 0, 255), canvas.At(26, 26));
    EXPECT_NE(RGB(0, 0, 255), canvas.At(2, 2));
}

int LineHeightOf(HFONT hFont)
{
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    TEXTMETRICW metrics = {};
    ::GetTextMetricsW(hDC, &metrics);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

TEST_F(DpiTest, EditorsDefaultFontIsScaledAndMadeAnewWhenItsWindowHearsOfANewDpi)
{
    CBCGPEditCtrl edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &m_frame, 3));
    edit.SetWindowText(L"ab\ncd");
    edit.SetFocus();
    edit.SetSel(3, 3);
    LOGFONTW courier = {};
    courier.lfHeight = -20; // 13 at 96 DPI
    courier.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynW(courier.lfFaceName, L"Courier New", LF_FACESIZE);
    HFONT hCourier = ::CreateFontIndirectW(&courier);
    POINT caret = {};
    ::GetCaretPos(&caret);
    EXPECT_EQ(LineHeightOf(hCourier), caret.y); // the second line

    // Made again at the window's DPI (here the same): the old font is freed
    // and the text looks as before.
    const CRect client(0, 0, 200, 100);
    const CRect text = CPixels(edit.m_hWnd, CPixels::ClientArea).BoundsOf(::GetSysColor(COLOR_WINDOWTEXT), client);
    EXPECT_FALSE(text.IsRectEmpty());
    const ProcessObjects objects = ProcessObjects::Count();
    edit.SendMessage(WM_DPICHANGED_AFTERPARENT);
    AfxPumpPendingMessages();
    EXPECT_EQ(objects, ProcessObjects::Count());
    EXPECT_EQ(text, CPixels(edit.m_hWnd, CPixels::ClientArea).BoundsOf(::GetSysColor(COLOR_WINDOWTEXT), client));

    // A host's font stays.
    edit.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hCourier), TRUE);
    edit.SendMessage(WM_DPICHANGED_AFTERPARENT);
    EXPECT_EQ(reinterpret_cast<LRESULT>(hCourier), edit.SendMessage(WM_GETFONT));
    edit.DestroyWindow();
    ::DeleteObject(hCourier);
}

} // namespace
