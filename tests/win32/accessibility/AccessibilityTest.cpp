// What a screen reader reads of each custom-drawn control: the accessible
// object of its client area as an accessibility client gets it
// (AccessibleObjectFromWindow), and the events a change sends.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <string>
#include <tuple>
#include <vector>

#include "GvApplication.h"
#include "GvColor.h"
#include "GvNumeric.h"
#include "GvTextureVariable.h"
#include "GvVariableEditors.h"
#include "GvWindowUtils.h"
#include "HostTestSupport.h"
#include "TestFrame.h"
#include "TestInput.h"
#include "platform/edit/BCGPEditCtrl.h"
#include "resources/GvMFCUtilitiesRes.h"

namespace {

// Spelled out: under Wine the import library's IID_IAccessible reads as a thunk.
const IID kIIDAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

struct AccFacts
{
    LONG role = -1;
    LONG state = -1;
    std::wstring name, value, description;
};

VARIANT Self()
{
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

// The text one of the string getters gives, empty when it gives none.
std::wstring TakeString(IAccessible* pAcc, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*))
{
    BSTR text = nullptr;
    const HRESULT hr = (pAcc->*get)(Self(), &text);
    std::wstring result = SUCCEEDED(hr) && text ? text : L"";
    ::SysFreeString(text);
    return result;
}

AccFacts Read(HWND hWnd)
{
    AccFacts facts;
    IAccessible* pAcc = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(hWnd, OBJID_CLIENT, kIIDAccessible, reinterpret_cast<void**>(&pAcc)))
        || !pAcc) {
        ADD_FAILURE() << "no accessible object";
        return facts;
    }
    VARIANT answer;
    ::VariantInit(&answer);
    if (SUCCEEDED(pAcc->get_accRole(Self(), &answer)) && answer.vt == VT_I4)
        facts.role = answer.lVal;
    ::VariantInit(&answer);
    if (SUCCEEDED(pAcc->get_accState(Self(), &answer)) && answer.vt == VT_I4)
        facts.state = answer.lVal;
    facts.name = TakeString(pAcc, &IAccessible::get_accName);
    facts.value = TakeString(pAcc, &IAccessible::get_accValue);
    facts.description = TakeString(pAcc, &IAccessible::get_accDescription);
    pAcc->Release();
    return facts;
}

std::wstring Text(HWND hWnd)
{
    return std::wstring(WindowText(hWnd).GetString());
}

struct WinEvent
{
    DWORD event;
    HWND hWnd;
    LONG object;
};

std::vector<WinEvent>* g_events = nullptr;
bool g_sentinelSeen = false;
const LONG kSentinelChild = 0x5E47;

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND hWnd, LONG idObject, LONG idChild, DWORD, DWORD)
{
    if (idChild == kSentinelChild)
        g_sentinelSeen = true;
    else if (g_events && !g_sentinelSeen)
        g_events->push_back({event, hWnd, idObject});
}

// Records the events of the process from the location change to the text
// selection change (value changes between them). Events may arrive through
// the queue, so Take sends one of its own after them and handles messages
// until it arrives: everything sent before it has arrived too.
class CEventRecorder
{
public:
    explicit CEventRecorder(HWND hSentinel) : m_hSentinel(hSentinel)
    {
        g_events = &m_events;
        m_hHook = ::SetWinEventHook(EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_TEXTSELECTIONCHANGED, nullptr, OnWinEvent,
                                    0, 0, WINEVENT_OUTOFCONTEXT);
    }
    ~CEventRecorder()
    {
        ::UnhookWinEvent(m_hHook);
        g_events = nullptr;
    }
    bool Hooked() const { return m_hHook != nullptr; }
    // How many events of this kind for this window's object arrived since the last call.
    int Count(DWORD event, HWND hWnd, LONG object = OBJID_CLIENT)
    {
        Settle();
        int count = 0;
        for (const WinEvent& e : m_taken)
            count += e.event == event && e.hWnd == hWnd && e.object == object;
        return count;
    }
    void Forget() { Settle(), m_taken.clear(); }
    // Marks the end of a step: what arrived so far becomes what Count reads.
    void Settle()
    {
        if (m_settled)
            return;
        g_sentinelSeen = false;
        ::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, m_hSentinel, OBJID_CLIENT, kSentinelChild);
        for (int round = 0; !g_sentinelSeen && round < 100; ++round) {
            AfxPumpPendingMessages();
            if (!g_sentinelSeen)
                ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        }
        EXPECT_TRUE(g_sentinelSeen) << "events never arrived";
        g_sentinelSeen = false;
        m_taken = m_events;
        m_events.clear();
        m_settled = true;
    }
    // A new step begins.
    void Step()
    {
        Forget();
        m_settled = false;
    }

private:
    HWND m_hSentinel;
    HWINEVENTHOOK m_hHook;
    std::vector<WinEvent> m_events, m_taken;
    bool m_settled = false;
};

// An orange wheel, a lone slider at the value and an orange picker.
struct ColorControls
{
    bool Create(CWnd& frame, float value)
    {
        sliderValue = value;
        wheel.m_color = wheelColor;
        slider.m_value = &sliderValue;
        CRect pickerRect(0, 30, 300, 280);
        return wheel.Create(AfxRegisterWndClass(0), L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 80), &frame, 1)
               && slider.Create(WS_CHILD | WS_VISIBLE | TBS_HORZ, CRect(90, 0, 190, 20), &frame, 2)
               && picker.Create(frame.m_hWnd, &pickerRect, pickerColor, nullptr, nullptr, nullptr, false, 0, true,
                                false);
    }
    HWND PickerItem(int id) const { return ::GetDlgItem(picker.m_hWnd, id); }

    float wheelColor[3] = {1.0f, 0.5f, 0.0f}, sliderValue = 0, pickerColor[4] = {1.0f, 0.5f, 0.0f, 1.0f};
    CGvColorWheel wheel;
    CGvColorSlider slider;
    CGvColorPickerCtrl picker;
};

class AccessibilityTest : public Win32WindowTest
{
protected:
    void SetUp() override
    {
        Win32WindowTest::SetUp();
        m_app.SetMainWindow(m_frame.m_hWnd);
    }
    GvApplication m_app;
};

const LONG kFocusable = STATE_SYSTEM_FOCUSABLE, kFocused = STATE_SYSTEM_FOCUSED, kPressed = STATE_SYSTEM_PRESSED;

TEST_F(AccessibilityTest, EachControlReportsRoleNameValueStateAndDescription)
{
    ColorControls colors;
    ASSERT_TRUE(colors.Create(m_frame, 0.25f));
    CColorButton colorButton;
    ASSERT_TRUE(
        colorButton.Create(L"Apply", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(200, 0, 260, 20), &m_frame, 3));
    colorButton.SetColor(RGB(0, 0, 0), RGB(255, 128, 0));

    CGvVariableEditCtrl::CGvSetupButton setupOff, setupOn;
    ASSERT_TRUE(setupOff.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(270, 0, 280, 10), &m_frame, 4));
    ASSERT_TRUE(setupOn.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(290, 0, 300, 10), &m_frame, 5));
    setupOn.SetToggled(true);

    const HWND greenEdit = colors.PickerItem(IDC_GV_GREEN_EDIT);
    GvTextureVariable texture;
    ASSERT_TRUE(texture.SetFileName(Units(SamplePath("mips_bgra.dds")), true));
    CGvTextureEditCtrl textureCtrl;
    ASSERT_TRUE(textureCtrl.Create(m_frame.m_hWnd, &texture, nullptr));

    CBCGPEditCtrl editor;
    ASSERT_TRUE(editor.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &m_frame, 6));
    editor.InsertText(L"first\nsecond row");
    editor.SetCaret(8);
    editor.SetFocus();

    CWnd plain, enabled;
    enabled.EnableActiveAccessibility();
    for (CWnd* pWnd : {&plain, &enabled})
        ASSERT_TRUE(
            pWnd->Create(AfxRegisterWndClass(0), L"Plain", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &m_frame, 7));
    AfxPumpPendingMessages();

    const wchar_t* orange = L"R 255 G 128 B 0";
    auto item = [&](int id) { return colors.PickerItem(id); };
    struct Case
    {
        const char* what;
        HWND hWnd;
        LONG role;
        std::wstring name, value, description;
        LONG stateSet, stateClear;
    } const cases[] = {
        {"wheel", colors.wheel.m_hWnd, ROLE_SYSTEM_SLIDER, L"Colour wheel", orange, L"", kFocusable, kFocused},
        {"slider without edit", colors.slider.m_hWnd, ROLE_SYSTEM_SLIDER, L"", L"25%", L"", kFocusable, kFocused},
        {"green slider", item(IDC_GV_GREEN_SLIDER), ROLE_SYSTEM_SLIDER, L"", Text(greenEdit), L"", kFocusable, 0},
        {"picker's wheel", item(IDC_GV_COLOR_WHEEL), ROLE_SYSTEM_SLIDER, L"Colour wheel", orange, L"", kFocusable, 0},
        {"swatch", item(IDC_GV_COLOR_BUTTON), ROLE_SYSTEM_PUSHBUTTON, L"Colour swatch", L"", orange, 0, 0},
        {"colour button", colorButton.m_hWnd, ROLE_SYSTEM_PUSHBUTTON, L"Apply", L"", orange, 0, 0},
        {"setup button", setupOff.m_hWnd, ROLE_SYSTEM_PUSHBUTTON, L"Options", L"", L"", kFocusable, kPressed},
        {"setup toggled", setupOn.m_hWnd, ROLE_SYSTEM_PUSHBUTTON, L"Options", L"", L"", kFocusable | kPressed, 0},
        {"thumbnail", textureCtrl.GetThumbnailButton().m_hWnd, ROLE_SYSTEM_GRAPHIC, L"mips_bgra.dds, B8G8R8A8", L"",
         L"", 0, 0},
        {"editor", editor.m_hWnd, ROLE_SYSTEM_TEXT, L"", L"second row", L"", kFocusable | kFocused,
         STATE_SYSTEM_READONLY},
        // Without overrides, enabled or not, the standard object answers.
        {"plain window", plain.m_hWnd, ROLE_SYSTEM_CLIENT, L"Plain", L"", L"", 0, 0},
        {"enabled window", enabled.m_hWnd, ROLE_SYSTEM_CLIENT, L"Plain", L"", L"", 0, 0},
    };
    EXPECT_EQ(L"128", Text(greenEdit));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const AccFacts facts = Read(c.hWnd);
        EXPECT_EQ(std::tie(c.role, c.name, c.value, c.description),
                  std::tie(facts.role, facts.name, facts.value, facts.description));
        EXPECT_EQ(c.stateSet, facts.state & c.stateSet);
        EXPECT_EQ(0, facts.state & c.stateClear);
    }
    // The focus is part of the state.
    colors.slider.SetFocus();
    EXPECT_EQ(kFocusable | kFocused, Read(colors.slider.m_hWnd).state & (kFocusable | kFocused));
}

TEST_F(AccessibilityTest, ValueChangesCaretSelectionAndTextAreAnnouncedMenuItemsKeepTheirTextAndCheck)
{
    CEventRecorder events(m_frame.m_hWnd);
    ASSERT_TRUE(events.Hooked());

    ColorControls colors;
    ASSERT_TRUE(colors.Create(m_frame, 0.5f));
    const HWND greenSlider = colors.PickerItem(IDC_GV_GREEN_SLIDER), redSlider = colors.PickerItem(IDC_GV_RED_SLIDER);
    const HWND pickerWheel = colors.PickerItem(IDC_GV_COLOR_WHEEL), greenEdit = colors.PickerItem(IDC_GV_GREEN_EDIT);
    const HWND redEdit = colors.PickerItem(IDC_GV_RED_EDIT);

    CGvSliderEdit sliderEdit;
    ASSERT_TRUE(sliderEdit.Create(0, 0, L"", WS_CHILD | WS_VISIBLE, CRect(10, 290, 210, 310), &m_frame, 3));
    sliderEdit.SetData(0.5f, 0.0f, 1.0f, true, 300, 5, true);
    AfxPumpPendingMessages();

    // Each change is announced as often as given, with the value read after it.
    auto expectAnnounced = [&](HWND hWnd, int announced, const std::wstring& value) {
        EXPECT_EQ(announced, events.Count(EVENT_OBJECT_VALUECHANGE, hWnd));
        EXPECT_EQ(value, Read(hWnd).value);
    };
    events.Step(); // the controls' first values are not what is counted
    colors.wheelColor[0] = 0.0f, colors.wheelColor[1] = 0.0f, colors.wheelColor[2] = 1.0f;
    colors.wheel.SendMessage(GVM_COLOR_CHANGED, 0, 0);
    expectAnnounced(colors.wheel.m_hWnd, 1, L"R 0 G 0 B 255");
    events.Step();
    colors.wheel.SendMessage(GVM_COLOR_CHANGED, 0, 0); // the same colour again
    expectAnnounced(colors.wheel.m_hWnd, 0, L"R 0 G 0 B 255");
    events.Step();
    colors.slider.SendMessage(WM_KEYDOWN, VK_UP, 0);
    expectAnnounced(colors.slider.m_hWnd, 1, L"52%");
    // The picker's green slider: its own change and the picker's echo are one
    // announcement; the wheel follows, the red slider keeps its value.
    events.Step();
    ::SendMessageW(greenSlider, WM_KEYDOWN, VK_UP, 0);
    events.Settle();
    expectAnnounced(greenSlider, 1, Text(greenEdit));
    expectAnnounced(pickerWheel, 1, L"R 255 G 133 B 0");
    expectAnnounced(redSlider, 0, Text(redEdit));
    EXPECT_EQ(L"133", Text(greenEdit));

    // The pop-up slider opened from the slider edit announces its wheel step.
    ASSERT_TRUE(ParkPointer());
    sliderEdit.SetFocus();
    PostKey(sliderEdit.m_hWnd, VK_DOWN);
    const HWND popup = ::GetFocus();
    ASSERT_NE(sliderEdit.m_hWnd, popup);
    events.Step();
    ::SendMessageW(popup, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    events.Settle();
    expectAnnounced(popup, 1, Text(sliderEdit.m_hWnd));
    EXPECT_NE(L"0.50000", Text(sliderEdit.m_hWnd));
    events.Step(); // what follows until the next step is not counted
    PostKey(popup, VK_ESCAPE);

    // The editor announces caret, selection and text.
    CBCGPEditCtrl editor;
    ASSERT_TRUE(editor.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &m_frame, 6));
    editor.InsertText(L"first\nsecond");
    editor.SetFocus();
    events.Step();

    editor.SetCaret(2);
    EXPECT_EQ(1, events.Count(EVENT_OBJECT_LOCATIONCHANGE, editor.m_hWnd, OBJID_CARET));
    EXPECT_EQ(1, events.Count(EVENT_OBJECT_TEXTSELECTIONCHANGED, editor.m_hWnd));
    EXPECT_EQ(0, events.Count(EVENT_OBJECT_VALUECHANGE, editor.m_hWnd));
    EXPECT_EQ(L"first", Read(editor.m_hWnd).value);

    events.Step();
    editor.SetSel(6, 9);
    EXPECT_EQ(1, events.Count(EVENT_OBJECT_TEXTSELECTIONCHANGED, editor.m_hWnd));
    EXPECT_EQ(L"second", Read(editor.m_hWnd).value);

    events.Step();
    editor.InsertText(L"X", 0);
    EXPECT_EQ(1, events.Count(EVENT_OBJECT_VALUECHANGE, editor.m_hWnd));

    // Owner-drawn menu items keep their text and check.
    CGvIconMenu menu;
    menu.AppendMenuItem(L"&Plain", 11);
    menu.AppendMenuWithValue(L"&Grid", 12, GvIconMenuStateCheckBox, true);
    menu.AppendMenuWithValue(L"Snap", 13, GvIconMenuStateRadio, false);
    struct Item
    {
        UINT id;
        const wchar_t* text;
        UINT checked;
    } const items[] = {{11, L"&Plain", 0}, {12, L"&Grid", MF_CHECKED}, {13, L"Snap", 0}};
    for (const Item& c : items) {
        SCOPED_TRACE(c.id);
        wchar_t text[32] = {};
        EXPECT_EQ(static_cast<int>(wcslen(c.text)), ::GetMenuStringW(menu.m_hMenu, c.id, text, 32, MF_BYCOMMAND));
        EXPECT_STREQ(c.text, text);
        const UINT state = ::GetMenuState(menu.m_hMenu, c.id, MF_BYCOMMAND);
        EXPECT_EQ(static_cast<UINT>(MF_OWNERDRAW), state & MF_OWNERDRAW);
        EXPECT_EQ(c.checked, state & MF_CHECKED);
        // The drawing data stays the item's data.
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_DATA;
        ASSERT_TRUE(::GetMenuItemInfoW(menu.m_hMenu, c.id, FALSE, &info));
        EXPECT_NE(0u, info.dwItemData);
    }
}

} // namespace
