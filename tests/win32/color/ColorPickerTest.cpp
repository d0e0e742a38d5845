#include "ColorTest.h"

#include <memory>

#include "resources/GvMFCUtilitiesRes.h"

namespace {

class CTestPicker : public CGvColorPickerCtrl
{
public:
    using CGvColorPickerCtrl::m_alphaEdit;
    using CGvColorPickerCtrl::m_alphaSlider;
    using CGvColorPickerCtrl::m_blueEdit;
    using CGvColorPickerCtrl::m_color;
    using CGvColorPickerCtrl::m_colorButton;
    using CGvColorPickerCtrl::m_floatingPointCheck;
    using CGvColorPickerCtrl::m_greenEdit;
    using CGvColorPickerCtrl::m_greenSlider;
    using CGvColorPickerCtrl::m_hsv;
    using CGvColorPickerCtrl::m_redEdit;
    using CGvColorPickerCtrl::m_redSlider;
    using CGvColorPickerCtrl::m_smallRect;
    using CGvColorPickerCtrl::m_toolTip;
    using CGvColorPickerCtrl::m_wheel;

    static CString Text(CWnd& wnd) { return WindowText(wnd.m_hWnd); }
    void ClickSwatch()
    {
        SendMessage(WM_COMMAND, MAKEWPARAM(IDC_GV_COLOR_BUTTON, BN_CLICKED),
                    reinterpret_cast<LPARAM>(m_colorButton.m_hWnd));
    }
};

class ColorPickerTest : public ColorTest
{
protected:
    BOOL CreatePicker(CTestPicker& picker, float* color, DWORD* packed, bool floatingPoint = false, int type = 0,
                      int x = 10)
    {
        CRect rect(x, 10, x + 255, 10 + 300);
        return picker.Create(m_frame.m_hWnd, &rect, color, packed, &m_node, &m_id, floatingPoint, type, true, true);
    }
    // A wheel drag of n steps, one clock tick each.
    void DragWheel(CTestPicker& picker, int steps)
    {
        CGvColorWheel& wheel = picker.m_wheel;
        wheel.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 40));
        for (int i = 1; i <= steps; ++i) {
            GvFakeClock::Advance(1);
            wheel.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60 + i, 40));
        }
        wheel.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(60 + steps, 40));
    }
    // Moves the focus out of the picker (committing the focused edit) and
    // forgets what the frame heard so far.
    void Settle()
    {
        m_frame.SetFocus();
        Forget();
    }
    void TypeInto(CGvNumericEdit& edit, LPCWSTR text)
    {
        edit.SetFocus();
        edit.SetWindowText(text);
        m_frame.SetFocus();
    }

    // The picker's buffers are counted from the start and back before the end.
    void SetUp() override
    {
        ColorTest::SetUp();
        m_picker.reset(new CTestPicker);
    }
    void TearDown() override
    {
        if (m_picker->m_hWnd)
            m_picker->DestroyWindow();
        m_picker.reset();
        ColorTest::TearDown();
    }

    GvVectorVariable m_node;
    GUID m_id = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    std::unique_ptr<CTestPicker> m_picker;
};

// What a new picker shows of the caller's outputs in each colour type.
TEST_F(ColorPickerTest, OpensOnTheCallersColourWithTheFloatsWinningAnOutsideOneNotifiesNoOne)
{
    const float kQuarters[4] = {0.1f, 0.2f, 0.3f, 0.4f}, kRed[4] = {1, 0, 0, 0.25f};
    const struct
    {
        const float* floats;
        DWORD packed;
        int type;
        DWORD packedAfter;
        const wchar_t* texts; // red|green|blue|alpha edit; null: not checked
        const wchar_t* redLabel;
        int redStops;
    } cases[] = {
        {nullptr, 0x80FF0000, 0, 0x80FF0000, L"0|0|255|128", L"R:", 2},
        {kQuarters, 0x80FF0000, 0, 0x664C3319, nullptr, L"R:", 2},
        // An unchanged value is not rewritten: the hue edit keeps its "0".
        {kRed, 0, 1, 0x3F0000FF, L"0|1.0000|1.0000|0.2500", L"H:", 7},
    };
    for (const auto& c : cases) {
        float floats[4];
        if (c.floats)
            std::copy(c.floats, c.floats + 4, floats);
        DWORD packed = c.packed;
        CTestPicker picker;
        ASSERT_TRUE(CreatePicker(picker, c.floats ? floats : nullptr, &packed, false, c.type));
        EXPECT_EQ(c.packedAfter, packed);
        if (c.texts) {
            EXPECT_EQ(CString(c.texts),
                      CTestPicker::Text(picker.m_redEdit) + L"|" + CTestPicker::Text(picker.m_greenEdit) + L"|"
                          + CTestPicker::Text(picker.m_blueEdit) + L"|" + CTestPicker::Text(picker.m_alphaEdit));
        }
        EXPECT_EQ(c.type == 0, picker.m_floatingPointCheck.IsWindowEnabled() != FALSE);
        EXPECT_EQ(CString(c.redLabel), CTestPicker::Text(*picker.GetDlgItem(IDC_GV_RED_LABEL)));
        ASSERT_EQ(c.redStops, picker.m_redSlider.m_stopCount);
        EXPECT_EQ(c.type == 1 ? &picker.m_hsv.h : &picker.m_color.r, picker.m_redSlider.m_value);
        EXPECT_EQ(1.0f, picker.m_redSlider.m_stops[c.redStops - 1].red); // red to red round the hue circle
        EXPECT_EQ(picker.m_redEdit.m_hWnd, ::GetFocus());
        picker.DestroyWindow();
    }

    // An outside colour updates everything and notifies no one.
    float color[4] = {0.1f, 0.2f, 0.3f, 0.4f};
    DWORD packed = 0;
    ASSERT_TRUE(CreatePicker(*m_picker, color, &packed));
    Settle();
    const int changesBefore = NodeChangeCount();

    const float outside[4] = {1.0f, 0.5f, 0.0f, 1.0f};
    EXPECT_EQ(1, m_picker->SendMessage(GVM_COLOR_CHANGED, 0, reinterpret_cast<LPARAM>(outside)));
    EXPECT_EQ(0xFF007FFFu, packed);
    EXPECT_EQ(0.5f, color[1]);
    EXPECT_EQ(CString(L"128"), CTestPicker::Text(m_picker->m_greenEdit)); // 127.5 with no decimals
    EXPECT_EQ(0.0f, m_picker->m_greenSlider.m_stops[0].green);
    EXPECT_EQ(1.0f, m_picker->m_greenSlider.m_stops[1].red);
    const CPixels swatch(m_picker->m_colorButton.m_hWnd, CPixels::ClientArea);
    EXPECT_EQ(RGB(255, 127, 0), swatch.At(swatch.Width() / 2, swatch.Height() / 2));
    EXPECT_TRUE(Heard().empty());
    EXPECT_EQ(changesBefore, NodeChangeCount());
}

// HSV is clamped, RGB kept as typed; the owner hears once and the host is told.
TEST_F(ColorPickerTest, TypedValuesApplyOnFocusLossTheWheelOverAnEditStepsItsSlider)
{
    const struct
    {
        int type;
        bool floatingPoint;
        int edit; // 0 red/hue, 1 green
        const wchar_t* text;
        float expected;
    } cases[] = {
        {1, false, 0, L"400", 1.0f}, // hue 360 degrees
        {0, true, 1, L"-5", -5.0f},
        {0, false, 1, L"300", 300 / 255.0f},
    };
    for (const auto& c : cases) {
        float color[4] = {0.5f, 0.5f, 0.5f, 1.0f};
        CTestPicker picker;
        ASSERT_TRUE(CreatePicker(picker, color, nullptr, c.floatingPoint, c.type));
        Settle();
        const int before = NodeChangeCount();
        TypeInto(c.edit == 0 ? picker.m_redEdit : picker.m_greenEdit, c.text);
        const float value = c.type == 1 ? picker.m_hsv.h : picker.m_color.g;
        EXPECT_FLOAT_EQ(c.expected, value) << CString(c.text).GetString();
        EXPECT_EQ(1, HeardCount(GVM_COLOR_CHANGED)); // the combo box is the source: the owner hears
        EXPECT_EQ(before + 1, NodeChangeCount());
        picker.DestroyWindow();
    }

    // The mouse wheel over the green edit steps the green slider.
    float color[4] = {0.2f, 0.5f, 0.2f, 1.0f};
    ASSERT_TRUE(CreatePicker(*m_picker, color, nullptr, true));
    m_picker->m_greenEdit.SetFocus();
    Forget(); // the red edit's commit
    m_picker->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(100, 100));
    EXPECT_FLOAT_EQ(0.52f, color[1]);
    EXPECT_EQ(CString(L"0.5200"), CTestPicker::Text(m_picker->m_greenEdit));
    EXPECT_EQ(1, HeardCount(GVM_COLOR_CHANGED));
}

TEST_F(ColorPickerTest, WheelDragTellsTheOwnerEveryStepAndTheHostThrottledPlusTheEnd)
{
    ASSERT_TRUE(CreatePicker(*m_picker, nullptr, nullptr));
    Settle();
    const int before = NodeChangeCount();
    DragWheel(*m_picker, 25); // one tick per step: a pass at the press, then every 11 ticks
    EXPECT_EQ(std::make_tuple(26, before + 3 + 1), std::make_tuple(HeardCount(GVM_COLOR_CHANGED), NodeChangeCount()));
    const GvNodeChangeRecord& last = m_app.GetNodeChanges().GetTail()->m_value;
    EXPECT_EQ(std::make_tuple(GvNodeChangeValue, &m_node), std::make_tuple(last.m_kind, last.m_node));
    EXPECT_EQ(&m_id, last.m_sourceId);
}

TEST_F(ColorPickerTest, TwoPickersShareTheThrottleRecords)
{
    CTestPicker second;
    ASSERT_TRUE(CreatePicker(*m_picker, nullptr, nullptr));
    ASSERT_TRUE(CreatePicker(second, nullptr, nullptr, false, 0, 270));
    Settle();
    const int before = NodeChangeCount();
    SendClick(m_picker->m_wheel.m_hWnd, CPoint(60, 40)); // the pick passes, the end always does
    EXPECT_EQ(before + 2, NodeChangeCount());
    SendClick(second.m_wheel.m_hWnd, CPoint(60, 40)); // same tick: the other picker's record drops the pick
    EXPECT_EQ(before + 3, NodeChangeCount());
    GvFakeClock::Advance(11);
    SendClick(second.m_wheel.m_hWnd, CPoint(70, 40));
    EXPECT_EQ(before + 5, NodeChangeCount());
    // Slider changes have their own record: START, CHANGED (passes), END.
    second.m_greenSlider.SendMessage(WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(before + 7, NodeChangeCount());
    second.DestroyWindow();
}

// The swatch toggles the view: size, parent told, visibility, tips, edge and
// tracking sizes follow; the large view keeps the size the host gave it.
TEST_F(ColorPickerTest, SwatchClickTogglesTheSmallViewAndBack)
{
    float color[4] = {0.2f, 0.4f, 0.6f, 1.0f};
    ASSERT_TRUE(CreatePicker(*m_picker, color, nullptr));
    Settle();
    const auto askTip = [&](CWnd& slider) {
        CRect r;
        slider.GetWindowRect(&r);
        ::SetCursorPos(r.CenterPoint().x, r.CenterPoint().y);
        NMTTDISPINFOW info = {};
        info.hdr.hwndFrom = m_picker->m_toolTip.m_hWnd;
        info.hdr.idFrom = reinterpret_cast<UINT_PTR>(slider.m_hWnd);
        info.hdr.code = TTN_GETDISPINFOW;
        m_picker->SendMessage(WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
        return CString(info.szText);
    };
    EXPECT_EQ(CString(), askTip(m_picker->m_greenSlider)); // the large view shows the edits instead
    MINMAXINFO large = {};
    m_picker->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&large));
    EXPECT_EQ(::GetSystemMetrics(SM_CYSCREEN), large.ptMaxTrackSize.y);

    m_picker->ClickSwatch();
    EXPECT_FALSE(m_picker->GetIsLargeSize());
    EXPECT_FALSE(m_picker->m_colorButton.GetLargeSize());
    CRect client;
    m_picker->GetClientRect(&client);
    EXPECT_EQ(m_picker->m_smallRect, client);
    ASSERT_EQ(std::vector<UINT>{GVM_CHILD_RESIZE}, Heard());
    EXPECT_EQ(reinterpret_cast<WPARAM>(m_picker->m_hWnd), m_spy->Of(GVM_CHILD_RESIZE)[0].wParam);
    EXPECT_FALSE(m_picker->m_wheel.IsWindowVisible());
    EXPECT_FALSE(m_picker->m_redEdit.IsWindowVisible());
    EXPECT_TRUE(m_picker->m_redSlider.IsWindowVisible());
    CString tip;
    m_picker->m_toolTip.GetText(tip, &m_picker->m_colorButton);
    EXPECT_EQ(CString(L"Large View"), tip);
    EXPECT_EQ(CString(L"102"), askTip(m_picker->m_greenSlider));
    EXPECT_EQ(CString(L"255"), askTip(m_picker->m_alphaSlider));
    // The swatch's edge is raised now: light top-left outer line.
    m_picker->m_colorButton.Invalidate();
    const CPixels swatch(m_picker->m_colorButton.m_hWnd, CPixels::ClientArea);
    EXPECT_EQ(::GetSysColor(COLOR_3DLIGHT), swatch.At(0, swatch.Height() / 2));

    MINMAXINFO small = {};
    m_picker->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&small));
    CRect alpha;
    m_picker->m_alphaSlider.GetWindowRect(&alpha);
    m_picker->ScreenToClient(&alpha);
    EXPECT_EQ(alpha.left + 32, small.ptMinTrackSize.x); // the control has no border
    EXPECT_EQ(alpha.bottom, small.ptMinTrackSize.y);
    EXPECT_EQ(alpha.bottom, small.ptMaxTrackSize.y); // the small view stretches sideways only
    EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN), small.ptMaxTrackSize.x);

    m_picker->ClickSwatch();
    m_picker->GetClientRect(&client);
    EXPECT_EQ(CRect(0, 0, 255, 300), client);
    EXPECT_TRUE(m_picker->m_wheel.IsWindowVisible());
}

} // namespace
