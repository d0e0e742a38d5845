#include "demo/DemoFrame.h"

#include <algorithm>
#include "GvMessages.h"

namespace {

const UINT kPanelCommand = 100; // + panel index
const UINT kExitCommand = 99;
const UINT kFirstPanelId = 10;
const UINT_PTR kRaiseOwnedTimer = 1;
const int kClientWidth = 600;
const int kClientHeight = 360;

} // namespace

BEGIN_MESSAGE_MAP(CDemoFrame, CWnd)
    ON_WM_SIZE()
    ON_WM_ACTIVATE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_TIMER, OnRaiseOwned)
END_MESSAGE_MAP()

BOOL CDemoFrame::CreateFrame()
{
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    // Not created yet: the screen's DPI.
    CRect rect(0, 0, AfxScaleForWindow(nullptr, kClientWidth), AfxScaleForWindow(nullptr, kClientHeight));
    AdjustWindowRectEx(&rect, style, TRUE, 0);
    HMENU hPanels = CreatePopupMenu();
    HMENU hMenu = CreateMenu();
    AppendMenuW(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hPanels), L"&Panels");
    if (!CreateEx(0,
                  AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                  L"GvMFCUtilities demo", style, 40, 40, rect.Width(), rect.Height(), nullptr, hMenu)) {
        DestroyMenu(hMenu);
        return FALSE;
    }

    CRect client;
    GetClientRect(&client);
    for (int i = 0; kDemoPanels[i]; ++i) {
        std::unique_ptr<CDemoPanel> panel(kDemoPanels[i]());
        if (!panel->CreatePanel(this, client, kFirstPanelId + i))
            continue;
        AppendMenuW(hPanels, MF_STRING, kPanelCommand + m_panels.size(), panel->GetTitle());
        m_panels.push_back(std::move(panel));
    }
    AppendMenuW(hPanels, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(hPanels, MF_STRING, kExitCommand, L"E&xit");
    ShowPanel(0);
    return TRUE;
}

void CDemoFrame::ShowPanel(int index)
{
    if (index < 0 || index >= GetPanelCount() || index == m_current)
        return;
    if (m_current >= 0)
        m_panels[m_current]->ShowWindow(SW_HIDE);
    m_current = index;
    m_panels[index]->ShowWindow(SW_SHOW);
    SetWindowText(CString(L"GvMFCUtilities demo - ") + m_panels[index]->GetTitle());
}

std::vector<HWND> DemoTabStops(HWND hRoot)
{
    std::vector<HWND> stops;
    for (HWND hWnd = ::GetWindow(hRoot, GW_CHILD); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        const LONG style = ::GetWindowLongW(hWnd, GWL_STYLE);
        if (!(style & WS_VISIBLE) || (style & WS_DISABLED))
            continue;
        if (::GetWindowLongW(hWnd, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) {
            const std::vector<HWND> inner = DemoTabStops(hWnd);
            stops.insert(stops.end(), inner.begin(), inner.end());
        } else if (style & WS_TABSTOP) {
            stops.push_back(hWnd);
        }
    }
    return stops;
}

// Tab and Shift+Tab move the focus round the shown page's tab stops, through
// the dialogs embedded in it (they leave Tab to the page). A control that
// takes Tab itself (the code editor) is left with Ctrl+Tab. As the dialog
// manager does, keyboard navigation shows the focus cues from then on.
BOOL CDemoFrame::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN || pMsg->wParam != VK_TAB || m_current < 0)
        return CWnd::PreTranslateMessage(pMsg);
    const HWND hPanel = m_panels[m_current]->m_hWnd;
    const HWND hFocus = ::GetFocus();
    const bool fromFrame = !hFocus || hFocus == m_hWnd;
    if (!fromFrame && !::IsChild(hPanel, hFocus))
        return FALSE;
    if (!fromFrame && ::GetKeyState(VK_CONTROL) >= 0
        && (::SendMessageW(hFocus, WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(pMsg))
            & (DLGC_WANTTAB | DLGC_WANTMESSAGE)))
        return FALSE;
    const std::vector<HWND> stops = DemoTabStops(hPanel);
    if (stops.empty())
        return FALSE;
    const bool back = ::GetKeyState(VK_SHIFT) < 0;
    // The stop holding the focus (a combo box holds its edit); none: from the frame.
    auto at = std::find_if(stops.begin(), stops.end(),
                           [&](HWND hStop) { return hStop == hFocus || ::IsChild(hStop, hFocus); });
    size_t next = back ? stops.size() - 1 : 0;
    if (at != stops.end()) {
        const size_t index = static_cast<size_t>(at - stops.begin());
        next = back ? (index + stops.size() - 1) % stops.size() : (index + 1) % stops.size();
    }
    for (HWND hWnd = stops[next]; hWnd && hWnd != m_hWnd; hWnd = ::GetParent(hWnd))
        ::SendMessageW(hWnd, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    if (::SendMessageW(stops[next], WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        ::SendMessageW(stops[next], EM_SETSEL, 0, -1);
    ::SetFocus(stops[next]);
    ScrollIntoView(stops[next]);
    return TRUE;
}

// Every window between the control and the page that stands partly outside
// its parent is a scroll window's child: it is panned (GVM_CHILD_SCROLL, as a
// drag would) until the control is inside, its top-left corner first.
void CDemoFrame::ScrollIntoView(HWND hControl)
{
    const HWND hPanel = m_panels[m_current]->m_hWnd;
    for (HWND hChild = hControl; hChild && hChild != hPanel; hChild = ::GetParent(hChild)) {
        const HWND hParent = ::GetParent(hChild);
        CRect view, child, control;
        ::GetClientRect(hParent, &view);
        ::GetWindowRect(hChild, &child);
        ::GetWindowRect(hControl, &control);
        ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&child), 2);
        ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&control), 2);
        RECT outside;
        if (hChild == hControl || !::SubtractRect(&outside, &child, &view))
            continue;
        const LONG dx = control.left < view.left
                            ? control.left - view.left
                            : std::max<LONG>(0, std::min<LONG>(control.right - view.right, control.left - view.left));
        const LONG dy = control.top < view.top
                            ? control.top - view.top
                            : std::max<LONG>(0, std::min<LONG>(control.bottom - view.bottom, control.top - view.top));
        if (dx || dy)
            ::SendMessageW(hParent, GVM_CHILD_SCROLL, reinterpret_cast<WPARAM>(hChild),
                           MAKELPARAM(static_cast<WORD>(dx), static_cast<WORD>(dy)));
    }
}

BOOL CDemoFrame::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    if (lParam == 0 && id == kExitCommand) {
        DestroyWindow();
        return TRUE;
    }
    if (lParam == 0 && id >= kPanelCommand && id < kPanelCommand + m_panels.size()) {
        ShowPanel(static_cast<int>(id - kPanelCommand));
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

void CDemoFrame::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    for (auto& panel : m_panels)
        panel->MoveWindow(0, 0, cx, cy);
}

void CDemoFrame::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    if (nState == WA_INACTIVE) {
        HWND hFocus = ::GetFocus();
        m_hWndLastFocus = hFocus && ::IsChild(m_hWnd, hFocus) ? hFocus : nullptr;
        CWnd::OnActivate(nState, pWndOther, bMinimized);
        return;
    }
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    SetTimer(kRaiseOwnedTimer, 100, nullptr);
    if (m_hWndLastFocus && ::IsWindow(m_hWndLastFocus) && ::IsChild(m_hWnd, m_hWndLastFocus))
        ::SetFocus(m_hWndLastFocus);
}

// Wine lets the frame rise above the windows it owns when it is activated
// through the focus (a modeless find dialog whose editor took the focus back),
// once the X server has restacked it; Windows keeps owned windows above their
// owner. They are raised again a moment after each activation.
LRESULT CDemoFrame::OnRaiseOwned(WPARAM wParam, LPARAM)
{
    if (wParam != kRaiseOwnedTimer)
        return Default();
    KillTimer(kRaiseOwnedTimer);
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hWnd, LPARAM owner) -> BOOL {
            if (::GetWindow(hWnd, GW_OWNER) == reinterpret_cast<HWND>(owner) && ::IsWindowVisible(hWnd))
                ::SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(m_hWnd));
    return 0;
}

void CDemoFrame::OnDestroy()
{
    CWnd::OnDestroy();
    PostQuitMessage(0);
}
