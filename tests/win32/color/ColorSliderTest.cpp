#include "ColorTestWindows.h"

namespace {

class ColorSliderTest : public ColorWindowTest
{
protected:
    void SetUp() override
    {
        ColorWindowTest::SetUp();
        ASSERT_TRUE(m_horizontal.Create(WS_CHILD | WS_VISIBLE | TBS_HORZ, CRect(10, 10, 110, 30), &m_parent, 2015));
        ASSERT_TRUE(m_vertical.Create(WS_CHILD | WS_VISIBLE | TBS_VERT, CRect(200, 10, 216, 94), &m_parent, 2019));
        m_horizontal.m_value = &m_value;
        m_vertical.m_value = &m_value;
        m_horizontal.m_stops[0] = {0, 0, 1};
        m_horizontal.m_stops[1] = {1, 0, 1};
    }

    CGvColorSlider m_horizontal, m_vertical;
    float m_value = 0.5f;
};

TEST_F(ColorSliderTest, ClickSetsTheValueUnderThePointBetweenStartAndEnd)
{
    Click(m_horizontal, CPoint(25, 10));
    EXPECT_FLOAT_EQ(0.25f, m_value);
    const std::vector<UINT> expected = {GVM_VALUE_CHANGE_START, GVM_VALUE_CHANGED, GVM_VALUE_CHANGE_END};
    EXPECT_EQ(expected, m_parent.Messages());
    EXPECT_EQ(reinterpret_cast<WPARAM>(m_horizontal.m_hWnd), m_parent.m_notes[1].wParam);

    m_parent.m_notes.clear();
    Drag(m_vertical, CPoint(8, 21), CPoint(8, -30)); // beyond the top while dragging
    EXPECT_FLOAT_EQ(1.0f, m_value);
    EXPECT_EQ(2, m_parent.Count(GVM_VALUE_CHANGED));
}

TEST_F(ColorSliderTest, SidewaysMovesOverAVerticalSliderChangeNothing)
{
    m_vertical.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 21));
    EXPECT_FLOAT_EQ(0.75f, m_value);
    m_vertical.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, 21));
    m_vertical.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-40, 21));
    m_vertical.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(-40, 21));
    EXPECT_EQ(1, m_parent.Count(GVM_VALUE_CHANGED));
    EXPECT_EQ(1, m_parent.Count(GVM_VALUE_CHANGE_END));
}

TEST_F(ColorSliderTest, KeysAndWheelNotchesAreCompleteSteps)
{
    m_value = 0.99f;
    m_horizontal.SendMessage(WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(1.0f, m_value);
    const std::vector<UINT> triple = {GVM_VALUE_CHANGE_START, GVM_VALUE_CHANGED, GVM_VALUE_CHANGE_END};
    EXPECT_EQ(triple, m_parent.Messages());

    m_parent.m_notes.clear();
    m_value = 0.5f;
    m_horizontal.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 240), MAKELPARAM(50, 20));
    EXPECT_FLOAT_EQ(0.54f, m_value);
    EXPECT_EQ(2, m_parent.Count(GVM_VALUE_CHANGE_END));
    m_horizontal.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), MAKELPARAM(50, 20));
    EXPECT_FLOAT_EQ(0.52f, m_value);
    EXPECT_EQ(3, m_parent.Count(GVM_VALUE_CHANGE_END));

    m_parent.m_notes.clear();
    m_horizontal.m_value = nullptr;
    m_horizontal.SendMessage(WM_KEYDOWN, VK_UP, 0);
    EXPECT_TRUE(m_parent.m_notes.empty());
}

TEST_F(ColorSliderTest, PaintsTheBandAndAWhiteThumbWithABlackOutline)
{
    m_value = 0.25f;
    m_horizontal.SendMessage(GVM_VALUE_CHANGED, 0, 0);
    // Thumb (24, 2)-(28, 18): outline at x 24 and 27, white inside.
    EXPECT_EQ(RGB(0, 0, 0), PixelAt(m_horizontal, 24, 10));
    EXPECT_EQ(RGB(0, 0, 0), PixelAt(m_horizontal, 27, 10));
    EXPECT_EQ(RGB(0, 0, 0), PixelAt(m_horizontal, 25, 2));
    EXPECT_EQ(RGB(255, 255, 255), PixelAt(m_horizontal, 25, 10));
    EXPECT_EQ(RGB(255, 255, 255), PixelAt(m_horizontal, 26, 16));
    // The gradient from (0, 0, 1) to (1, 0, 1) runs left to right underneath.
    const COLORREF left = PixelAt(m_horizontal, 1, 1), right = PixelAt(m_horizontal, 98, 1);
    EXPECT_LE(GetRValue(left), 8);
    EXPECT_GE(GetRValue(right), 245);
    EXPECT_EQ(255, GetBValue(left));
    EXPECT_EQ(255, GetBValue(right));
    EXPECT_EQ(0, GetGValue(right));
}

} // namespace
