// The demo's pages with the keyboard alone: real Tab and Shift+Tab presses
// go round every stop of a page (DemoTabStops) both ways, through the dialogs
// embedded in it, and the control each leaves looked different while it had
// the focus (a focus rectangle, a highlight) unless its cue is the caret.
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "demo/DemoApplication.h"
#include "demo/DemoFrame.h"
#include "TestFrame.h"
#include "TestInput.h"
#include "TestPixels.h"

namespace {

std::vector<std::string> Describe(const std::vector<HWND>& windows)
{
    std::vector<std::string> names;
    for (HWND hWnd : windows) {
        char name[64] = "";
        ::GetClassNameA(hWnd, name, sizeof name);
        names.push_back(std::string(name) + "#" + std::to_string(::GetDlgCtrlID(hWnd)));
    }
    return names;
}

bool ShowsCaret(HWND hWnd)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return ::GetGUIThreadInfo(::GetCurrentThreadId(), &info) && info.hwndCaret == hWnd;
}

// The system draws a check box's focus rectangle around its text: one
// without text (the variable editor's clamp check) shows none.
bool HasFocusCue(HWND hWnd)
{
    char name[16] = "";
    ::GetClassNameA(hWnd, name, sizeof name);
    const LONG type = ::GetWindowLongW(hWnd, GWL_STYLE) & BS_TYPEMASK;
    const bool checkBox = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
    return !(lstrcmpiA(name, "Button") == 0 && checkBox && ::GetWindowTextLengthW(hWnd) == 0);
}

bool SamePixels(const CPixels& a, const CPixels& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.At(x, y) != b.At(x, y))
                return false;
    return true;
}

HWND FindText(HWND hParent, const wchar_t* prefix)
{
    struct Search
    {
        const wchar_t* prefix;
        HWND hFound;
    } search = {prefix, nullptr};
    ::EnumChildWindows(
        hParent,
        [](HWND hWnd, LPARAM lParam) {
            auto* pSearch = reinterpret_cast<Search*>(lParam);
            wchar_t text[64] = L"";
            ::GetWindowTextW(hWnd, text, 64);
            if (wcsncmp(text, pSearch->prefix, wcslen(pSearch->prefix)) != 0)
                return TRUE;
            pSearch->hFound = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

// What the first idle of an open menu shows; then the keys are pressed in it.
struct OpenMenuSeen
{
    HHOOK hHook = nullptr;
    std::vector<WPARAM> keys;
    bool seen = false;
    RECT rect = {};
    int items = 0;
};
OpenMenuSeen g_menu;

LRESULT CALLBACK AfterMenuIdle(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* pCall = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && !g_menu.seen && pCall->message == WM_ENTERIDLE && pCall->wParam == MSGF_MENU) {
        // The owner has had its idle message (and hooked the menu) by now.
        const HWND hMenuWnd = reinterpret_cast<HWND>(pCall->lParam);
        g_menu.seen = true;
        ::GetWindowRect(hMenuWnd, &g_menu.rect);
        g_menu.items =
            ::GetMenuItemCount(reinterpret_cast<HMENU>(::SendMessageW(hMenuWnd, 0x01E1 /* MN_GETHMENU */, 0, 0)));
        for (WPARAM key : g_menu.keys)
            ::PostMessageW(pCall->hwnd, WM_KEYDOWN, key, 1);
    }
    return ::CallNextHookEx(g_menu.hHook, code, wParam, lParam);
}

// One step through the tab order; a control that keeps Tab (the code editor)
// is left with Ctrl.
void Tab(bool back)
{
    const HWND hFocus = ::GetFocus();
    const bool keepsTab = hFocus && (::SendMessageW(hFocus, WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB);
    if (keepsTab)
        back ? RealChord({VK_CONTROL, VK_SHIFT, VK_TAB}) : RealChord({VK_CONTROL, VK_TAB});
    else
        back ? RealChord({VK_SHIFT, VK_TAB}) : RealKey(VK_TAB);
}

class DemoKeyboardTest : public Win32WindowTest
{
protected:
    void SetUp() override
    {
        Win32WindowTest::SetUp();
        m_app = std::make_unique<CDemoApplication>();
        m_demo = std::make_unique<CDemoFrame>();
    }
    void TearDown() override
    {
        if (m_demo && m_demo->m_hWnd)
            m_demo->DestroyWindow();
        // The demo's frame ends the message loop as it goes.
        MSG quit;
        while (::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        // The pages and the application hold the buffers of their data.
        m_demo.reset();
        m_app.reset();
        Win32WindowTest::TearDown();
    }

    bool Open()
    {
        if (!m_demo->CreateFrame())
            return false;
        m_app->SetMainWindow(m_demo->m_hWnd);
        m_demo->ShowWindow(SW_SHOW);
        return MakeForeground(m_demo->m_hWnd);
    }

    std::unique_ptr<CDemoApplication> m_app;
    std::unique_ptr<CDemoFrame> m_demo;
};

TEST_F(DemoKeyboardTest, TabAndShiftTabWalkEveryPageRoundTheFocusedControlDrawsItsCueShiftF10OpensItsMenu)
{
    ASSERT_TRUE(Open());
    std::vector<std::vector<std::string>> orders;
    for (int page = 0; page < m_demo->GetPanelCount(); ++page) {
        CDemoPanel* pPanel = m_demo->GetPanel(page);
        SCOPED_TRACE(Describe({pPanel->m_hWnd})[0]);
        m_demo->ShowPanel(page);
        m_demo->SetFocus();
        AfxPumpPendingMessages();
        const std::vector<HWND> stops = DemoTabStops(pPanel->m_hWnd);
        ASSERT_FALSE(stops.empty());
        orders.push_back(Describe(stops));

        std::vector<HWND> forward;
        for (size_t i = 0; i <= stops.size(); ++i) {
            const HWND hLeft = ::GetFocus();
            const bool caret = ShowsCaret(hLeft);
            const bool onStop = !forward.empty();
            const CPixels focused(hLeft, CPixels::WholeWindow);
            Tab(false);
            forward.push_back(::GetFocus());
            if (onStop && !caret && HasFocusCue(hLeft)) {
                EXPECT_FALSE(SamePixels(focused, CPixels(hLeft, CPixels::WholeWindow)))
                    << Describe({hLeft})[0] << " looks the same with and without the focus";
            }
        }
        std::vector<HWND> expected = stops;
        expected.push_back(stops.front());
        EXPECT_EQ(Describe(expected), Describe(forward));

        std::vector<HWND> backward;
        for (size_t i = 0; i < stops.size(); ++i) {
            Tab(true);
            backward.push_back(::GetFocus());
        }
        EXPECT_EQ(Describe(std::vector<HWND>(stops.rbegin(), stops.rend())), Describe(backward));
    }
    // The colour page's picker: swatch, wheel, value slider, then the rows.
    const std::vector<std::string> picker = {"Button#2004", "Button#2020", "msctls_trackbar32#2019", "Edit#2027"};
    ASSERT_EQ(static_cast<size_t>(m_demo->GetPanelCount()), orders.size());
    const auto& color = orders[3];
    EXPECT_NE(color.end(), std::search(color.begin(), color.end(), picker.begin(), picker.end()));

    // Shift+F10 opens the icon menu under the focused control; Space toggles
    // its check item.
    int page = 0;
    while (page < m_demo->GetPanelCount() && wcscmp(m_demo->GetPanel(page)->GetName(), L"variables") != 0)
        ++page;
    ASSERT_LT(page, m_demo->GetPanelCount());
    m_demo->ShowPanel(page);
    const HWND hPanel = m_demo->GetPanel(page)->m_hWnd;
    // A button: an edit would show its own editing menu.
    const std::vector<HWND> stops = DemoTabStops(hPanel);
    const auto button = std::find_if(stops.begin(), stops.end(),
                                     [](HWND hWnd) { return Describe({hWnd})[0].rfind("Button#", 0) == 0; });
    ASSERT_NE(stops.end(), button);
    ::SetFocus(*button);
    AfxPumpPendingMessages();

    // Down to the check item (the fourth) and Space, down past "Red" to
    // "Green" and Space, then Escape.
    g_menu = OpenMenuSeen();
    g_menu.keys = {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_SPACE, VK_DOWN, VK_DOWN, VK_SPACE, VK_ESCAPE};
    g_menu.hHook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, AfterMenuIdle, nullptr, ::GetCurrentThreadId());
    RealChord({VK_SHIFT, VK_F10});
    ::UnhookWindowsHookEx(g_menu.hHook);

    ASSERT_TRUE(g_menu.seen);
    EXPECT_EQ(8, g_menu.items);
    CRect control;
    ::GetWindowRect(*button, &control);
    EXPECT_EQ(std::make_tuple(control.left, control.bottom), std::make_tuple(g_menu.rect.left, g_menu.rect.top));
    // Both toggles were made with the menu open, and nothing else was chosen.
    const HWND hStatus = FindText(hPanel, L"Command ");
    ASSERT_TRUE(hStatus);
    wchar_t status[96] = L"";
    ::GetWindowTextW(hStatus, status, 96);
    EXPECT_STREQ(L"Command 106; grid on, colour 106", status);
}

} // namespace
