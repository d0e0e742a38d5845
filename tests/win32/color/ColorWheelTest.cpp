#include "ColorTestWindows.h"

namespace {

class ColorWheelTest : public ColorWindowTest
{
protected:
    void SetUp() override
    {
        ColorWindowTest::SetUp();
        ASSERT_TRUE(m_wheel.CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 110),
                                     &m_parent, 2020));
        m_wheel.m_color = m_rgb;
    }

    CGvColorWheel m_wheel;
    float m_rgb[3] = {1.0f, 0.0f, 0.0f};
};

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

TEST_F(ColorWheelTest, PressDragReleaseSendsStartOnePickPerNewPointAndOneEnd)
{
    m_wheel.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
    EXPECT_EQ(m_wheel.m_hWnd, ::GetCapture());
    EXPECT_EQ(m_wheel.m_hWnd, ::GetFocus());
    m_wheel.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(50, 50)); // the same point: no pick
    m_wheel.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(50, 0));  // only y changed: one pick
    m_wheel.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(50, 0));
    m_wheel.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(50, 0));
    m_wheel.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(0, 50)); // after the end: nothing
    const std::vector<UINT> expected = {GVM_VALUE_CHANGE_START, GVM_COLOR_CHANGED, GVM_COLOR_CHANGED,
                                        GVM_VALUE_CHANGE_END};
    EXPECT_EQ(expected, m_parent.Messages());
    for (const auto& note : m_parent.m_notes) {
        EXPECT_EQ(reinterpret_cast<WPARAM>(m_wheel.m_hWnd), note.wParam);
        EXPECT_EQ(0, note.lParam);
    }
    EXPECT_EQ(nullptr, ::GetCapture());
    // Straight up from the centre at value 1: hue 90, saturation 1.
    EXPECT_FLOAT_EQ(0.5f, m_rgb[0]);
    EXPECT_FLOAT_EQ(1.0f, m_rgb[1]);
    EXPECT_FLOAT_EQ(0.0f, m_rgb[2]);
}

TEST_F(ColorWheelTest, CaptureTakenByAnotherWindowEndsTheChangeOnce)
{
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE, CRect(200, 10, 220, 30),
                               &m_parent, 1));
    m_wheel.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(70, 50));
    other.SetCapture();
    m_wheel.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, 50)); // no longer tracking
    m_wheel.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(20, 50));
    ::ReleaseCapture();
    const std::vector<UINT> expected = {GVM_VALUE_CHANGE_START, GVM_COLOR_CHANGED, GVM_VALUE_CHANGE_END};
    EXPECT_EQ(expected, m_parent.Messages());
    other.DestroyWindow();
}

TEST_F(ColorWheelTest, WithoutAColourOnlyStartAndEndAreSent)
{
    m_wheel.m_color = nullptr;
    Click(m_wheel, CPoint(70, 50));
    const std::vector<UINT> expected = {GVM_VALUE_CHANGE_START, GVM_VALUE_CHANGE_END};
    EXPECT_EQ(expected, m_parent.Messages());
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), PixelAt(m_wheel, 50, 50));
}

TEST_F(ColorWheelTest, MarkerOfRedIsABlackCrossOnePixelInsideTheCorner)
{
    m_wheel.Invalidate(FALSE);
    // Horizontal stroke 94..104 (clipped at 99), vertical 45..55; the end
    // points are not drawn.
    for (const CPoint p : {CPoint(94, 50), CPoint(99, 50), CPoint(99, 45), CPoint(99, 55)})
        EXPECT_EQ(kBlack, PixelAt(m_wheel, p.x, p.y)) << p.x << ", " << p.y;
    EXPECT_NE(kBlack, PixelAt(m_wheel, 93, 50));
    EXPECT_NE(kBlack, PixelAt(m_wheel, 99, 56));
    EXPECT_NE(kBlack, PixelAt(m_wheel, 99, 44));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), PixelAt(m_wheel, 2, 2)); // outside the hexagon
    const COLORREF centre = PixelAt(m_wheel, 50, 50);                // the centre vertex: white at value 1
    EXPECT_GE(GetRValue(centre), 250);
    EXPECT_GE(GetGValue(centre), 250);
    EXPECT_GE(GetBValue(centre), 250);
}

TEST_F(ColorWheelTest, MarkerTurnsWhiteBelowValueSixTenthsAndGoesForBlack)
{
    m_rgb[0] = m_rgb[1] = m_rgb[2] = 0.5f;
    m_wheel.SendMessage(GVM_COLOR_CHANGED, 0, 0);
    EXPECT_EQ(kWhite, PixelAt(m_wheel, 45, 50));
    EXPECT_EQ(kWhite, PixelAt(m_wheel, 50, 55));
    const COLORREF grey = PixelAt(m_wheel, 50, 70); // blue in the centre-blue-magenta triangle: Gray = 32767
    EXPECT_NEAR(127, GetBValue(grey), 3);
    m_rgb[0] = m_rgb[1] = m_rgb[2] = 0.0f;
    m_wheel.SendMessage(GVM_COLOR_CHANGED, 0, 0);
    EXPECT_EQ(kBlack, PixelAt(m_wheel, 50, 50));
    EXPECT_EQ(kBlack, PixelAt(m_wheel, 45, 50)); // the hexagon is black too, no white cross
}

TEST_F(ColorWheelTest, PickOnBlackStaysBlackButIsStillReported)
{
    m_rgb[0] = m_rgb[1] = m_rgb[2] = 0.0f;
    Click(m_wheel, CPoint(90, 50));
    EXPECT_EQ(1, m_parent.Count(GVM_COLOR_CHANGED));
    EXPECT_EQ(0.0f, m_rgb[0] + m_rgb[1] + m_rgb[2]);
}

TEST_F(ColorWheelTest, PrintClientDrawsTheSamePictureIntoTheGivenDC)
{
    CClientDC screen(&m_wheel);
    CDC memory;
    memory.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, 100, 100);
    CBitmap* pOld = memory.SelectObject(&bitmap);
    memory.FillSolidRect(0, 0, 100, 100, RGB(1, 2, 3));
    m_wheel.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.m_hDC), PRF_CLIENT);
    EXPECT_EQ(kBlack, memory.GetPixel(99, 50));
    EXPECT_EQ(kBlack, memory.GetPixel(94, 50));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), memory.GetPixel(2, 2));
    memory.SelectObject(pOld);
}

} // namespace
