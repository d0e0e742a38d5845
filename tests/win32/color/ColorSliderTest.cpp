#include "ColorTest.h"

namespace {

class ColorSliderTest : public ColorTest
{
protected:
    void SetUp() override
    {
        ColorTest::SetUp();
        ASSERT_TRUE(m_horizontal.Create(WS_CHILD | WS_VISIBLE | TBS_HORZ, CRect(10, 10, 110, 30), &m_frame, 2015));
        ASSERT_TRUE(m_vertical.Create(WS_CHILD | WS_VISIBLE | TBS_VERT, CRect(200, 10, 216, 94), &m_frame, 2019));
        m_horizontal.m_value = &m_value;
        m_vertical.m_value = &m_value;
        m_horizontal.m_stops[0] = {0, 0, 1};
        m_horizontal.m_stops[1] = {1, 0, 1};
    }

    CGvColorSlider m_horizontal, m_vertical;
    float m_value = 0.5f;
};

const std::vector<UINT> kTriple = {GVM_VALUE_CHANGE_START, GVM_VALUE_CHANGED, GVM_VALUE_CHANGE_END};

TEST_F(ColorSliderTest, PaintsTheThumbWhereTheValueIsPointsSetItAlongTheAxisOnlyKeysAndNotchesAreWholeSteps)
{
    // The band from (0, 0, 1) to (1, 0, 1) under a white thumb with a black
    // outline, which moves without leaving a trace.
    const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    m_value = 0.25f;
    m_horizontal.SendMessage(GVM_VALUE_CHANGED, 0, 0);
    CPixels pixels(m_horizontal.m_hWnd, CPixels::ClientArea);
    // Thumb (24, 2)-(28, 18): outline at x 24 and 27, white inside.
    for (const auto& [x, y, color] :
         {std::tuple{24, 10, black}, {27, 10, black}, {25, 2, black}, {25, 10, white}, {26, 16, white}})
        EXPECT_EQ(color, pixels.At(x, y)) << x << ", " << y;
    const COLORREF left = pixels.At(1, 1), right = pixels.At(98, 1);
    EXPECT_LE(GetRValue(left), 8);
    EXPECT_GE(GetRValue(right), 245);
    EXPECT_EQ(255, GetBValue(left));
    EXPECT_EQ(255, GetBValue(right));
    EXPECT_EQ(0, GetGValue(right));

    m_value = 0.75f;
    m_horizontal.SendMessage(GVM_VALUE_CHANGED, 0, 0);
    pixels = CPixels(m_horizontal.m_hWnd, CPixels::ClientArea);
    EXPECT_EQ(black, pixels.At(72, 10)); // trunc(96 x 0.75)
    EXPECT_EQ(white, pixels.At(73, 10));
    EXPECT_EQ(255, GetBValue(pixels.At(24, 10))); // the old thumb is band again
    EXPECT_EQ(255, GetBValue(pixels.At(25, 10)));
    EXPECT_LT(GetGValue(pixels.At(25, 10)), 8);

    Forget();
    SendClick(m_horizontal.m_hWnd, CPoint(25, 10));
    EXPECT_FLOAT_EQ(0.25f, m_value);
    EXPECT_EQ(kTriple, Heard());
    EXPECT_EQ(reinterpret_cast<WPARAM>(m_horizontal.m_hWnd), m_spy->Of(GVM_VALUE_CHANGED)[0].wParam);

    Forget();
    SendDrag(m_vertical.m_hWnd, CPoint(8, 21), CPoint(8, -30), 1); // beyond the top while dragging
    EXPECT_FLOAT_EQ(1.0f, m_value);
    EXPECT_EQ(2, HeardCount(GVM_VALUE_CHANGED));

    Forget();
    m_vertical.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 21));
    EXPECT_FLOAT_EQ(0.75f, m_value);
    m_vertical.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, 21)); // sideways: nothing
    m_vertical.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-40, 21));
    m_vertical.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(-40, 21));
    EXPECT_EQ(kTriple, Heard());

    // Keys and wheel notches are complete steps.
    Forget();
    m_value = 0.99f;
    m_horizontal.SendMessage(WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(1.0f, m_value);
    EXPECT_EQ(kTriple, Heard());

    Forget();
    m_value = 0.5f;
    m_horizontal.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 240), MAKELPARAM(50, 20));
    EXPECT_FLOAT_EQ(0.54f, m_value);
    EXPECT_EQ(2, HeardCount(GVM_VALUE_CHANGE_END));
    m_horizontal.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), MAKELPARAM(50, 20));
    EXPECT_FLOAT_EQ(0.52f, m_value);
    EXPECT_EQ(3, HeardCount(GVM_VALUE_CHANGE_END));

    Forget();
    m_horizontal.m_value = nullptr;
    m_horizontal.SendMessage(WM_KEYDOWN, VK_UP, 0);
    EXPECT_TRUE(Heard().empty());
}

} // namespace
