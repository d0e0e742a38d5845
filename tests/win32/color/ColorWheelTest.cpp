#include "ColorTest.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);

class ColorWheelTest : public ColorTest
{
protected:
    void SetUp() override
    {
        ColorTest::SetUp();
        ASSERT_TRUE(m_wheel.CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 110),
                                     &m_frame, 2020));
        m_wheel.m_color = m_rgb;
    }
    void Send(UINT message, CPoint point, WPARAM keys = MK_LBUTTON)
    {
        m_wheel.SendMessage(message, keys, MAKELPARAM(point.x, point.y));
    }

    CGvColorWheel m_wheel;
    float m_rgb[3] = {1.0f, 0.0f, 0.0f};
};

TEST_F(ColorWheelTest, PressDragReleaseSendsStartOnePickPerNewPointAndOneEndAsDoesALostCaptureOrAPickOnBlack)
{
    Send(WM_LBUTTONDOWN, CPoint(50, 50));
    EXPECT_EQ(std::make_tuple(m_wheel.m_hWnd, m_wheel.m_hWnd), std::make_tuple(::GetCapture(), ::GetFocus()));
    Send(WM_MOUSEMOVE, CPoint(50, 50)); // the same point: no pick
    Send(WM_MOUSEMOVE, CPoint(50, 0));  // only y changed: one pick
    Send(WM_MOUSEMOVE, CPoint(50, 0));
    Send(WM_LBUTTONUP, CPoint(50, 0), 0);
    Send(WM_MOUSEMOVE, CPoint(0, 50), 0); // after the end: nothing
    const std::vector<UINT> expected = {GVM_VALUE_CHANGE_START, GVM_COLOR_CHANGED, GVM_COLOR_CHANGED,
                                        GVM_VALUE_CHANGE_END};
    EXPECT_EQ(expected, Heard());
    for (UINT message : {GVM_VALUE_CHANGE_START, GVM_COLOR_CHANGED, GVM_VALUE_CHANGE_END})
        for (const SpiedMessage& note : m_spy->Of(message)) {
            EXPECT_EQ(reinterpret_cast<WPARAM>(m_wheel.m_hWnd), note.wParam);
            EXPECT_EQ(0, note.lParam);
        }
    EXPECT_EQ(nullptr, ::GetCapture());
    // Straight up from the centre at value 1: hue 90, saturation 1.
    EXPECT_FLOAT_EQ(0.5f, m_rgb[0]);
    EXPECT_FLOAT_EQ(1.0f, m_rgb[1]);
    EXPECT_FLOAT_EQ(0.0f, m_rgb[2]);

    // Capture taken by another window ends the change once.
    Forget();
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE, CRect(200, 10, 220, 30),
                               &m_frame, 1));
    Send(WM_LBUTTONDOWN, CPoint(70, 50));
    other.SetCapture();
    Send(WM_MOUSEMOVE, CPoint(20, 50)); // no longer tracking
    Send(WM_LBUTTONUP, CPoint(20, 50), 0);
    ::ReleaseCapture();
    EXPECT_EQ((std::vector<UINT>{GVM_VALUE_CHANGE_START, GVM_COLOR_CHANGED, GVM_VALUE_CHANGE_END}), Heard());
    other.DestroyWindow();

    // A pick on black or without a colour is still paired.
    const struct
    {
        bool hasColor;
        std::vector<UINT> heard;
    } cases[] = {
        {true, {GVM_VALUE_CHANGE_START, GVM_COLOR_CHANGED, GVM_VALUE_CHANGE_END}}, // black stays black
        {false, {GVM_VALUE_CHANGE_START, GVM_VALUE_CHANGE_END}},
    };
    for (const auto& c : cases) {
        Forget();
        m_rgb[0] = m_rgb[1] = m_rgb[2] = 0.0f;
        m_wheel.m_color = c.hasColor ? m_rgb : nullptr;
        SendClick(m_wheel.m_hWnd, CPoint(90, 50));
        EXPECT_EQ(c.heard, Heard()) << c.hasColor;
        EXPECT_EQ(0.0f, m_rgb[0] + m_rgb[1] + m_rgb[2]);
    }
}

// The picture after each colour in turn, on the screen and printed: the
// marker moves without leaving a trace, a grey marks its place in white on
// the half-bright hexagon, black has no cross, no colour no hexagon.
TEST_F(ColorWheelTest, PaintsTheHexagonAndMarkerOfEachColourInTurn)
{
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const struct
    {
        float rgb[3];
        bool hasColor;
    } steps[] = {
        {{1, 0, 0}, true}, {{1, 1, 0}, true}, {{0.5f, 0.5f, 0.5f}, true}, {{0, 0, 0}, true}, {{0, 0, 0}, false}};
    // Step 0: the cross of red 94..104 (clipped at 99) by 45..55, end points
    // not drawn. Step 2: grey 32767, halfway from the grey centre to the blue
    // corner. Tolerance per channel; -1: anything but this colour.
    const struct
    {
        int step, x, y;
        COLORREF color;
        int tolerance;
    } pixels[] = {
        {0, 94, 50, kBlack, 0},  {0, 99, 50, kBlack, 0},  {0, 99, 45, kBlack, 0},  {0, 99, 55, kBlack, 0},
        {0, 93, 50, kBlack, -1}, {0, 99, 56, kBlack, -1}, {0, 99, 44, kBlack, -1}, {0, 2, 2, face, 0},
        {0, 50, 50, kWhite, 5},  {1, 74, 7, kBlack, 0},   {1, 69, 7, kBlack, 0},   {1, 94, 50, kBlack, -1},
        {1, 99, 45, kBlack, -1}, {2, 45, 50, kWhite, 0},  {2, 50, 55, kWhite, 0},  {2, 38, 71, RGB(64, 64, 127), 8},
        {2, 74, 10, kBlack, -1}, {3, 50, 50, kBlack, 0},  {3, 45, 50, kBlack, 0},  {4, 50, 50, face, 0},
        {4, 45, 50, face, 0},
    };
    for (int index = 0; index < 5; ++index) {
        const auto& step = steps[index];
        std::copy(step.rgb, step.rgb + 3, m_rgb);
        m_wheel.m_color = step.hasColor ? m_rgb : nullptr;
        m_wheel.SendMessage(GVM_COLOR_CHANGED, 0, 0);
        const CPixels screen(m_wheel.m_hWnd, CPixels::ClientArea);
        CCanvas printed(100, 100, RGB(1, 2, 3));
        m_wheel.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.Dc()), PRF_CLIENT);
        for (const auto& pixel : pixels)
            for (const COLORREF seen : {screen.At(pixel.x, pixel.y), printed.At(pixel.x, pixel.y)}) {
                if (pixel.step != index)
                    break;
                const auto label = ::testing::Message() << "step " << index << " at " << pixel.x << ", " << pixel.y;
                if (pixel.tolerance < 0) {
                    EXPECT_NE(pixel.color, seen) << label;
                    continue;
                }
                EXPECT_NEAR(GetRValue(pixel.color), GetRValue(seen), pixel.tolerance) << label;
                EXPECT_NEAR(GetGValue(pixel.color), GetGValue(seen), pixel.tolerance) << label;
                EXPECT_NEAR(GetBValue(pixel.color), GetBValue(seen), pixel.tolerance) << label;
            }
    }
}

// Real keys reach the focused wheel: each step key is one whole change, as a
// press, one pick and a release; other keys change and notify nothing. The
// focus rectangle is drawn while the wheel has the focus and goes with it.
TEST_F(ColorWheelTest, KeyStepsNotifyAsAClickAndTheFocusShowsAsARectangle)
{
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    auto topRowIsFace = [&] {
        const CPixels pixels(m_wheel.m_hWnd, CPixels::ClientArea);
        for (int x = 0; x < pixels.Width(); ++x)
            if (pixels.At(x, 0) != face)
                return false;
        return true;
    };
    EXPECT_TRUE(topRowIsFace());
    m_wheel.SetFocus();
    AfxPumpPendingMessages();
    EXPECT_FALSE(topRowIsFace());

    const struct
    {
        WORD key;
        float rgb[3];
        bool step;
    } keys[] = {
        {VK_RIGHT, {1, 1.0f / 60, 0}, true}, {VK_LEFT, {1, 0, 0}, true},
        {VK_DOWN, {1, 0.01f, 0.01f}, true},  {VK_UP, {1, 0, 0}, true},
        {VK_NEXT, {1, 0.1f, 0.1f}, true},    {VK_PRIOR, {1, 0, 0}, true},
        {VK_HOME, {1, 0, 0}, false},         {VK_SPACE, {1, 0, 0}, false},
    };
    for (const auto& k : keys) {
        Forget();
        RealKey(k.key);
        const std::vector<UINT> expected =
            k.step ? std::vector<UINT>{GVM_VALUE_CHANGE_START, GVM_COLOR_CHANGED, GVM_VALUE_CHANGE_END}
                   : std::vector<UINT>{};
        EXPECT_EQ(expected, Heard()) << k.key;
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(k.rgb[i], m_rgb[i], 1e-5f) << k.key << " channel " << i;
        EXPECT_EQ(nullptr, ::GetCapture()) << k.key;
    }

    m_frame.SetFocus();
    AfxPumpPendingMessages();
    EXPECT_TRUE(topRowIsFace());
}

} // namespace
