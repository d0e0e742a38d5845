#include "ColorTest.h"

namespace {

class ColorButtonTest : public ColorTest
{
protected:
    void SetUp() override
    {
        ColorTest::SetUp();
        ASSERT_TRUE(m_button.Create(L"Go", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 90, 40), &m_frame, 100));
        m_button.SetColor(RGB(0, 0, 255), RGB(255, 255, 0));
    }
    // The button drawn in the given item state into an 80 x 30 canvas.
    CPixels Draw(UINT state)
    {
        CCanvas canvas(80, 30, RGB(1, 2, 3));
        DRAWITEMSTRUCT dis = {ODT_BUTTON,     100, 0, ODA_DRAWENTIRE, state, m_button.m_hWnd, canvas.Dc(),
                              {0, 0, 80, 30}, 0};
        m_button.DrawItem(&dis);
        return canvas.Pixels();
    }
    static bool Has(const CPixels& pixels, COLORREF color)
    {
        return !pixels.BoundsOf(color, CRect(0, 0, pixels.Width(), pixels.Height())).IsRectEmpty();
    }

    CColorButton m_button;
};

TEST_F(ColorButtonTest, FramesFillAndTextFollowTheItemStateAndTheParentsDrawItemReachesIt)
{
    const COLORREF black = RGB(0, 0, 0), blue = RGB(0, 0, 255), yellow = RGB(255, 255, 0), green = RGB(0, 128, 0);
    const COLORREF white = RGB(255, 255, 255), grey = RGB(128, 128, 128);
    const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT), light = ::GetSysColor(COLOR_3DLIGHT);
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW), dark = ::GetSysColor(COLOR_3DDKSHADOW);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    // Row 10 from the left and from the right edge, three pixels each (none:
    // not checked), and the fill at x 5.
    const struct
    {
        const char* name;
        int colors;   // SetColor with 2 or 3 colours (green disabled) before; 0: as set up
        bool caption; // "Go", or none
        UINT state;
        std::vector<COLORREF> left, right;
        COLORREF fill;
        std::vector<COLORREF> shown, absent = {};
    } cases[] = {
        // A black outline outside the raised frame.
        {"focused", 0, true, ODS_FOCUS, {black, highlight, light}, {black, dark, shadow}, yellow, {blue}},
        // Pressing replaces both by the two-pixel dark-shadow and shadow frame.
        {"pressed", 0, true, ODS_SELECTED | ODS_FOCUS, {dark, shadow, yellow}, {dark, shadow, yellow}, yellow, {blue}},
        // The disabled colour and embossed grey text, neither text nor face colour.
        {"disabled", 3, true, ODS_DISABLED, {}, {}, green, {white, grey}, {blue, yellow}},
        // Two colours put the disabled colour back; an empty caption draws the frame only.
        {"two colours", 2, false, ODS_DISABLED, {}, {}, face, {}, {grey}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.colors)
            m_button.SetColor(blue, yellow, green);
        if (c.colors == 2)
            m_button.SetColor(blue, yellow);
        m_button.SetWindowText(c.caption ? L"Go" : L"");
        const CPixels pixels = Draw(c.state);
        for (int x = 0; x < static_cast<int>(c.left.size()); ++x) {
            EXPECT_EQ(c.left[x], pixels.At(x, 10)) << "at x " << x;
            EXPECT_EQ(c.right[x], pixels.At(79 - x, 10)) << "at x " << 79 - x;
        }
        EXPECT_EQ(c.fill, pixels.At(5, 10));
        for (COLORREF color : c.shown)
            EXPECT_TRUE(Has(pixels, color)) << std::hex << color;
        for (COLORREF color : c.absent)
            EXPECT_FALSE(Has(pixels, color)) << std::hex << color;
    }
    EXPECT_EQ(black, Draw(ODS_FOCUS).At(79, 29)) << "the outline's corner";

    // The parent's WM_DRAWITEM reaches the button.
    m_button.SetColor(blue, yellow);
    m_button.SetWindowText(L"Go");
    m_button.Invalidate();
    const CPixels pixels(m_button.m_hWnd, CPixels::ClientArea);
    EXPECT_EQ(yellow, pixels.At(5, 10));
    EXPECT_EQ(highlight, pixels.At(0, 10));
}

} // namespace
