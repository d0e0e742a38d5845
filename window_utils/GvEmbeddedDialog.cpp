#include "window_utils/GvEmbeddedDialog.h"

#include "GvApplicationInterface.h"
#include "GvWindowUtils.h"
#include "window_utils/GvMFCUtilitiesModule.h"

BEGIN_MESSAGE_MAP(CGvEmbeddedDialog, CDialog)
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

CGvEmbeddedDialog::CGvEmbeddedDialog(UINT nIDTemplate) : CDialog(nIDTemplate)
{
}

void CGvEmbeddedDialog::OnSysColorChange()
{
    GvAddSmartEraseWindow(m_hWnd, ::GetSysColor(COLOR_BTNFACE), true);
    CDialog::OnSysColorChange();
}

BOOL CGvEmbeddedDialog::CreateFromLibrary(UINT nIDTemplate, HWND hParent)
{
    GvUtilSetResourceHandle guard(GvGetLibraryInstance());
    return CDialog::Create(nIDTemplate, CWnd::FromHandle(hParent));
}

bool CGvEmbeddedDialog::CommitPendingEdit()
{
    const HWND hFocus = ::GetFocus();
    if (!hFocus || !m_hWnd || !::IsChild(m_hWnd, hFocus))
        return false;
    ::SendMessageW(hFocus, WM_KILLFOCUS, 0, 0);
    ::SendMessageW(hFocus, WM_SETFOCUS, 0, 0);
    return true;
}

void CGvEmbeddedDialog::OnOK()
{
    CommitPendingEdit();
}

void CGvEmbeddedDialog::OnCancel()
{
}

BOOL CGvEmbeddedDialog::PreTranslateMessage(MSG* pMsg)
{
    if (m_toolTip.m_hWnd) {
        m_toolTip.SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        m_toolTip.Activate(TRUE);
        m_toolTip.RelayEvent(pMsg);
    }
    if (LeavesTabToHost(*pMsg))
        return FALSE;
    return CDialog::PreTranslateMessage(pMsg);
}

bool CGvEmbeddedDialog::LeavesTabToHost(const MSG& msg) const
{
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || !m_hWnd)
        return false;
    const HWND hParent = ::GetParent(m_hWnd);
    const HWND hFocus = ::GetFocus();
    if (!hParent || !(::GetWindowLongW(hParent, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) || !hFocus
        || !::IsChild(m_hWnd, hFocus))
        return false;
    MSG copy = msg;
    return !(::SendMessageW(hFocus, WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(&copy))
             & (DLGC_WANTTAB | DLGC_WANTMESSAGE));
}

CRect CGvEmbeddedDialog::ChildRect(const CWnd& child) const
{
    CRect rect;
    child.GetWindowRect(&rect);
    ScreenToClient(&rect);
    return rect;
}

void CGvEmbeddedDialog::CommitAfterSpin(CWnd& buddy, LRESULT* pResult)
{
    buddy.PostMessage(WM_KILLFOCUS, 0, 0);
    *pResult = 0;
}

bool CGvEmbeddedDialog::NotifyNode(int kind, GvNode* node, const void* sourceId, GvTickThrottle* throttle)
{
    if (throttle && !throttle->Pass())
        return false;
    IGvApplication* pApp = getGvApp();
    if (pApp && node)
        pApp->NotifyNodeChanged(kind, node, nullptr, sourceId);
    return true;
}
