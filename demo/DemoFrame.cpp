#include "demo/DemoFrame.h"

namespace {

const UINT kPanelCommand = 100; // + panel index
const UINT kExitCommand = 99;
const UINT kFirstPanelId = 10;
const int kClientWidth = 600;
const int kClientHeight = 360;

} // namespace

BEGIN_MESSAGE_MAP(CDemoFrame, CWnd)
    ON_WM_SIZE()
    ON_WM_ACTIVATE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

BOOL CDemoFrame::CreateFrame()
{
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    CRect rect(0, 0, kClientWidth, kClientHeight);
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
    if (m_hWndLastFocus && ::IsWindow(m_hWndLastFocus) && ::IsChild(m_hWnd, m_hWndLastFocus))
        ::SetFocus(m_hWndLastFocus);
}

void CDemoFrame::OnDestroy()
{
    CWnd::OnDestroy();
    PostQuitMessage(0);
}
