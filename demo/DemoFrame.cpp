#include "demo/DemoFrame.h"

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
