#include "ColorTestWindows.h"

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
    using CGvColorPickerCtrl::m_colorTypeCombo;
    using CGvColorPickerCtrl::m_floatingPointCheck;
    using CGvColorPickerCtrl::m_greenEdit;
    using CGvColorPickerCtrl::m_greenSlider;
    using CGvColorPickerCtrl::m_hsv;
    using CGvColorPickerCtrl::m_redEdit;
    using CGvColorPickerCtrl::m_redSlider;
    using CGvColorPickerCtrl::m_smallRect;
    using CGvColorPickerCtrl::m_toolTip;
    using CGvColorPickerCtrl::m_wheel;

    CString EditText(CWnd& edit)
    {
        CString text;
        edit.GetWindowText(text);
        return text;
    }
};

class ColorPickerTest : public ColorWindowTest
{
protected:
    BOOL CreatePicker(CTestPicker& picker, float* color, DWORD* packed, bool floatingPoint = false, int type = 0,
                      int x = 10)
    {
        CRect rect(x, 10, x + 255, 10 + 300);
        return picker.Create(m_parent.m_hWnd, &rect, color, packed, &m_node, &m_id, floatingPoint, type, true, true);
    }
    // A wheel drag of n steps inside the picker.
    void DragWheel(CTestPicker& picker, int steps)
    {
        CGvColorWheel& wheel = picker.m_wheel;
        wheel.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 40));
        for (int i = 1; i <= steps; ++i) {
            ++g_testTicks;
            wheel.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60 + i, 40));
        }
        wheel.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(60 + steps, 40));
    }
    // Moves the focus out of the picker (committing the focused edit) and
    // forgets what the parent heard so far.
    void Settle()
    {
        m_parent.SetFocus();
        m_parent.m_notes.clear();
    }
    void TypeInto(CGvNumericEdit& edit, LPCWSTR text)
    {
        edit.SetFocus();
        edit.SetWindowText(text);
        m_parent.SetFocus();
    }

    // The picker's buffers are counted from the start and back before the end.
    void SetUp() override
    {
        ColorWindowTest::SetUp();
        m_picker.reset(new CTestPicker);
    }
    void TearDown() override
    {
        if (m_picker->m_hWnd)
            m_picker->DestroyWindow();
        m_picker.reset();
        ColorWindowTest::TearDown();
    }

    GvVectorVariable m_node;
    GUID m_id = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    std::unique_ptr<CTestPicker> m_picker;
};

TEST_F(ColorPickerTest, PackedColourAloneSetsTheColourAndShowsBytes)
{
    DWORD packed = 0x80FF0000;
    ASSERT_TRUE(CreatePicker(*m_picker, nullptr, &packed));
    EXPECT_EQ(0.0f, m_picker->m_color.r);
    EXPECT_EQ(1.0f, m_picker->m_color.b);
    EXPECT_NEAR(0.50196f, m_picker->m_color.a, 1e-5f);
    EXPECT_EQ(CString(L"0"), m_picker->EditText(m_picker->m_redEdit));
    EXPECT_EQ(CString(L"255"), m_picker->EditText(m_picker->m_blueEdit));
    EXPECT_EQ(CString(L"128"), m_picker->EditText(m_picker->m_alphaEdit));
    EXPECT_EQ(0x80FF0000u, packed);
    EXPECT_EQ(m_picker->m_redEdit.m_hWnd, ::GetFocus());
}

TEST_F(ColorPickerTest, FloatOutputWinsAndBothOutputsFollowAnOutsideColourSilently)
{
    float color[4] = {0.1f, 0.2f, 0.3f, 0.4f};
    DWORD packed = 0x80FF0000;
    ASSERT_TRUE(CreatePicker(*m_picker, color, &packed));
    EXPECT_EQ(0.1f, m_picker->m_color.r);
    EXPECT_EQ(0x66 << 24 | 0x4C << 16 | 0x33 << 8 | 0x19, static_cast<int>(packed));
    Settle();
    const int changesBefore = NodeChangeCount();

    const float outside[4] = {1.0f, 0.5f, 0.0f, 1.0f};
    EXPECT_EQ(1, m_picker->SendMessage(GVM_COLOR_CHANGED, 0, reinterpret_cast<LPARAM>(outside)));
    EXPECT_EQ(0xFF007FFFu, packed);
    EXPECT_EQ(0.5f, color[1]);
    EXPECT_EQ(CString(L"128"), m_picker->EditText(m_picker->m_greenEdit)); // 127.5 with no decimals
    EXPECT_TRUE(m_parent.m_notes.empty());
    EXPECT_EQ(changesBefore, NodeChangeCount());
}

TEST_F(ColorPickerTest, HsvModeShowsHueSaturationValueAndDisablesTheCheckBox)
{
    float color[4] = {1.0f, 0.0f, 0.0f, 0.25f};
    ASSERT_TRUE(CreatePicker(*m_picker, color, nullptr, false, 1));
    EXPECT_EQ(CString(L"0"), m_picker->EditText(m_picker->m_redEdit)); // unchanged value: not rewritten
    EXPECT_EQ(CString(L"1.0000"), m_picker->EditText(m_picker->m_greenEdit));
    EXPECT_EQ(CString(L"0.2500"), m_picker->EditText(m_picker->m_alphaEdit));
    EXPECT_FALSE(m_picker->m_floatingPointCheck.IsWindowEnabled());
    EXPECT_EQ(&m_picker->m_hsv.h, m_picker->m_redSlider.m_value);
    ASSERT_EQ(7, m_picker->m_redSlider.m_stopCount);
    EXPECT_EQ(1.0f, m_picker->m_redSlider.m_stops[6].red);
    EXPECT_EQ(0.0f, m_picker->m_redSlider.m_stops[6].blue);
    CString label;
    m_picker->GetDlgItem(IDC_GV_RED_LABEL)->GetWindowText(label);
    EXPECT_EQ(CString(L"H:"), label);
}

TEST_F(ColorPickerTest, TypedValuesHueClampedRgbKeptAsTyped)
{
    float color[4] = {0.5f, 0.5f, 0.5f, 1.0f};
    ASSERT_TRUE(CreatePicker(*m_picker, color, nullptr, false, 1));
    Settle();
    const int before = NodeChangeCount();
    TypeInto(m_picker->m_redEdit, L"400");
    EXPECT_EQ(1.0f, m_picker->m_hsv.h);
    EXPECT_EQ(1, m_parent.Count(GVM_COLOR_CHANGED)); // the combo box is the source: the owner hears
    EXPECT_EQ(before + 1, NodeChangeCount());

    CTestPicker rgb;
    ASSERT_TRUE(CreatePicker(rgb, nullptr, nullptr, true, 0, 270));
    TypeInto(rgb.m_greenEdit, L"-5");
    EXPECT_EQ(-5.0f, rgb.m_color.g);
    rgb.DestroyWindow();
}

TEST_F(ColorPickerTest, WheelDragTellsTheOwnerEveryStepAndTheHostThrottledPlusTheEnd)
{
    ASSERT_TRUE(CreatePicker(*m_picker, nullptr, nullptr));
    Settle();
    const int before = NodeChangeCount();
    DragWheel(*m_picker, 25); // one tick per step: a pass at the press, then every 11 ticks
    EXPECT_EQ(26, m_parent.Count(GVM_COLOR_CHANGED));
    EXPECT_EQ(before + 3 + 1, NodeChangeCount());
    const GvNodeChangeRecord& last = m_app.GetNodeChanges().GetTail()->m_value;
    EXPECT_EQ(6, last.m_kind);
    EXPECT_EQ(&m_node, last.m_node);
    EXPECT_EQ(&m_id, last.m_sourceId);
}

TEST_F(ColorPickerTest, TwoPickersShareTheThrottleRecords)
{
    CTestPicker second;
    ASSERT_TRUE(CreatePicker(*m_picker, nullptr, nullptr));
    ASSERT_TRUE(CreatePicker(second, nullptr, nullptr, false, 0, 270));
    Settle();
    const int before = NodeChangeCount();
    Click(m_picker->m_wheel, CPoint(60, 40)); // the pick passes, the end always does
    EXPECT_EQ(before + 2, NodeChangeCount());
    Click(second.m_wheel, CPoint(60, 40)); // same tick: the other picker's record drops the pick
    EXPECT_EQ(before + 3, NodeChangeCount());
    g_testTicks += 11;
    Click(second.m_wheel, CPoint(70, 40));
    EXPECT_EQ(before + 5, NodeChangeCount());
    // Slider changes have their own record: START, CHANGED (passes), END.
    second.m_greenSlider.SendMessage(WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(before + 7, NodeChangeCount());
    second.DestroyWindow();
}

TEST_F(ColorPickerTest, MouseWheelOverTheGreenEditStepsTheGreenSlider)
{
    float color[4] = {0.2f, 0.5f, 0.2f, 1.0f};
    ASSERT_TRUE(CreatePicker(*m_picker, color, nullptr, true));
    m_picker->m_greenEdit.SetFocus();
    m_parent.m_notes.clear(); // the red edit's commit
    m_picker->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(100, 100));
    EXPECT_FLOAT_EQ(0.52f, color[1]);
    EXPECT_EQ(CString(L"0.5200"), m_picker->EditText(m_picker->m_greenEdit));
    EXPECT_EQ(1, m_parent.Count(GVM_COLOR_CHANGED));
}

TEST_F(ColorPickerTest, SwatchClickTogglesTheViewAndTellsTheParent)
{
    ASSERT_TRUE(CreatePicker(*m_picker, nullptr, nullptr));
    Settle();
    m_picker->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_GV_COLOR_BUTTON, BN_CLICKED),
                          reinterpret_cast<LPARAM>(m_picker->m_colorButton.m_hWnd));
    EXPECT_FALSE(m_picker->GetIsLargeSize());
    EXPECT_FALSE(m_picker->m_colorButton.GetLargeSize());
    CRect client;
    m_picker->GetClientRect(&client);
    EXPECT_EQ(m_picker->m_smallRect, client);
    ASSERT_EQ(1, m_parent.Count(GVM_CHILD_RESIZE));
    EXPECT_EQ(reinterpret_cast<WPARAM>(m_picker->m_hWnd), m_parent.m_notes.back().wParam);
    EXPECT_FALSE(m_picker->m_wheel.IsWindowVisible());
    EXPECT_FALSE(m_picker->m_redEdit.IsWindowVisible());
    EXPECT_TRUE(m_picker->m_redSlider.IsWindowVisible());

    CString tip;
    m_picker->m_toolTip.GetText(tip, &m_picker->m_colorButton);
    EXPECT_EQ(CString(L"Large View"), tip);

    // The swatch's edge is raised now: light top-left outer line.
    CRect swatch;
    m_picker->m_colorButton.GetClientRect(&swatch);
    m_picker->m_colorButton.Invalidate();
    EXPECT_EQ(::GetSysColor(COLOR_3DLIGHT), PixelAt(m_picker->m_colorButton, 0, swatch.Height() / 2));

    m_picker->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_GV_COLOR_BUTTON, BN_CLICKED),
                          reinterpret_cast<LPARAM>(m_picker->m_colorButton.m_hWnd));
    m_picker->GetClientRect(&client);
    EXPECT_EQ(CRect(0, 0, 255, 300), client); // the large view keeps the size the host gave it
    EXPECT_TRUE(m_picker->m_wheel.IsWindowVisible());
}

TEST_F(ColorPickerTest, SmallViewTipsShowTheChannelValueAndTrackingSizesFollowTheView)
{
    float color[4] = {0.2f, 0.4f, 0.6f, 1.0f};
    ASSERT_TRUE(CreatePicker(*m_picker, color, nullptr));
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

    m_picker->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_GV_COLOR_BUTTON, BN_CLICKED),
                          reinterpret_cast<LPARAM>(m_picker->m_colorButton.m_hWnd));
    EXPECT_EQ(CString(L"102"), askTip(m_picker->m_greenSlider));
    EXPECT_EQ(CString(L"255"), askTip(m_picker->m_alphaSlider));

    MINMAXINFO small = {};
    m_picker->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&small));
    CRect alpha;
    m_picker->m_alphaSlider.GetWindowRect(&alpha);
    m_picker->ScreenToClient(&alpha);
    EXPECT_EQ(alpha.left + 32, small.ptMinTrackSize.x); // the control has no border
    EXPECT_EQ(alpha.bottom, small.ptMinTrackSize.y);
    EXPECT_EQ(alpha.bottom, small.ptMaxTrackSize.y); // the small view stretches sideways only
    EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN), small.ptMaxTrackSize.x);
}

} // namespace
