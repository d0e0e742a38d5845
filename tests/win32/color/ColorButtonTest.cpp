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
    struct Pixel
    {
        int x, y;
        COLORREF color;
    };
    const struct
    {
        const char* name;
        int colors; // SetColor with 2 or 3 colours (green disabled) before; 0: as set up
        const wchar_t* caption;
        UINT state;
        std::vector<Pixel> pixels;
        std::vector<COLORREF> shown, absent;
    } cases[] = {
        // A black outline outside the raised frame.
        {"focused",
         0,
         L"Go",
         ODS_FOCUS,
         {{0, 10, black},
          {79, 29, black},
          {1, 10, highlight},
          {78, 10, dark},
          {2, 10, light},
          {77, 10, shadow},
          {5, 10, yellow}},
         {blue},
         {}},
        // Both replaced by the two-pixel dark-shadow and shadow frame.
        {"pressed",
         0,
         L"Go",
         ODS_SELECTED | ODS_FOCUS,
         {{0, 10, dark}, {79, 10, dark}, {1, 10, shadow}, {78, 10, shadow}, {2, 10, yellow}},
         {blue},
         {}},
        // The disabled colour and embossed grey text, neither text nor face colour.
        {"disabled", 3, L"Go", ODS_DISABLED, {{5, 10, green}}, {white, grey}, {blue, yellow}},
        // Two colours put the disabled colour back; an empty caption draws the frame only.
        {"two colours", 2, L"", ODS_DISABLED, {{5, 10, face}}, {}, {grey}},
    };
    for (const auto& c : cases) {
        if (c.colors)
            m_button.SetColor(blue, yellow, green);
        if (c.colors == 2)
            m_button.SetColor(blue, yellow);
        m_button.SetWindowText(c.caption);
        const CPixels pixels = Draw(c.state);
        for (const Pixel& p : c.pixels)
            EXPECT_EQ(p.color, pixels.At(p.x, p.y)) << c.name << " at " << p.x << ", " << p.y;
        for (COLORREF color : c.shown)
            EXPECT_TRUE(Has(pixels, color)) << c.name << " " << std::hex << color;
        for (COLORREF color : c.absent)
            EXPECT_FALSE(Has(pixels, color)) << c.name << " " << std::hex << color;
    }

    // The parent's WM_DRAWITEM reaches the button.
    m_button.SetColor(blue, yellow);
    m_button.SetWindowText(L"Go");
    m_button.Invalidate();
    const CPixels pixels(m_button.m_hWnd, CPixels::ClientArea);
    EXPECT_EQ(yellow, pixels.At(5, 10));
    EXPECT_EQ(highlight, pixels.At(0, 10));
}

} // namespace
