#include "MfcWnd.h"
#include "MfcControls.h"
#include "MfcDialog.h"
#include "MfcException.h"
#include "MfcGdi.h"
#include "MfcMenu.h"
#include "MfcState.h"
#include "platform/portable/DpiScale.h"
#include <shellapi.h>
#include <cstring>
#include <set>
#include <string>

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)
IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::CWnd() : m_hWnd(nullptr), m_pfnSuper(nullptr), m_bEnableActiveAccessibility(FALSE)
{
}

CWnd::CWnd(HWND hWndConstant) : m_hWnd(hWndConstant), m_pfnSuper(nullptr), m_bEnableActiveAccessibility(FALSE)
{
}

CWnd::~CWnd()
{
    AFX_THREAD_STATE* pState = AfxPeekThreadState();
    if (!m_hWnd || !pState || pState->m_windows.LookupPermanent(m_hWnd) != this)
        return;
    // An object deleted by its own WM_NCDESTROY handler only lets go.
    const MSG& current = pState->m_lastSentMsg;
    if (current.message == WM_NCDESTROY && current.hwnd == m_hWnd)
        UnsubclassWindow();
    else
        DestroyWindow();
}

// --- objects and handles ---------------------------------------------------

void CWnd::AssertValid() const
{
    CObject::AssertValid();
#ifdef _DEBUG
    // The insert-after constants are no windows.
    if (!m_hWnd || this == &wndTop || this == &wndBottom || this == &wndTopMost || this == &wndNoTopMost)
        return;
    ASSERT(::IsWindow(m_hWnd));
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    CWnd* pPermanent = pState->m_windows.LookupPermanent(m_hWnd);
    ASSERT(pPermanent == this || (!pPermanent && pState->m_windows.LookupTemporary(m_hWnd) == this));
#endif
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return AfxGetThreadState()->m_windows.FromHandle(
        hWnd, [] { return new CWnd; }, [](CWnd* p, HWND h) { p->m_hWnd = h; });
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd ? AfxGetThreadState()->m_windows.LookupPermanent(hWnd) : nullptr;
}

HWND CWnd::GetSafeHwnd() const
{
    return this ? m_hWnd : nullptr;
}

BOOL CWnd::Attach(HWND hWndNew)
{
    return AfxAttachHandle(AfxGetThreadState()->m_windows, m_hWnd, hWndNew, this, true);
}

HWND CWnd::Detach()
{
    AFX_THREAD_STATE* pState = AfxPeekThreadState();
    return AfxDetachHandle(pState ? &pState->m_windows : nullptr, m_hWnd, this);
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || !Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC oldProc = (WNDPROC)::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    if (!oldProc) {
        Detach();
        return FALSE;
    }
    if (oldProc != AfxWndProc)
        m_pfnSuper = oldProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), nID);
    return hWndControl && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = nullptr;
    return Detach();
}

// --- creation ----------------------------------------------------------------

LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (code == HCBT_CREATEWND && pState->m_pWndInit) {
        CWnd* pWndInit = pState->m_pWndInit;
        pState->m_pWndInit = nullptr;
        HWND hWnd = (HWND)wParam;
        if (pWndInit->Attach(hWnd)) {
            pWndInit->PreSubclassWindow();
            WNDPROC oldProc = (WNDPROC)::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
            if (oldProc != AfxWndProc)
                pWndInit->m_pfnSuper = oldProc;
        }
    }
    return ::CallNextHookEx(pState->m_hHookOldCbtFilter, code, wParam, lParam);
}

void AfxHookWindowCreate(CWnd* pWnd)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (!pState->m_hHookOldCbtFilter)
        pState->m_hHookOldCbtFilter = ::SetWindowsHookExW(WH_CBT, AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
    pState->m_pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookOldCbtFilter) {
        ::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
        pState->m_hHookOldCbtFilter = nullptr;
    }
    if (pState->m_pWndInit) {
        pState->m_pWndInit = nullptr;
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, (LPVOID)pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)nID, lpParam);
}

// A window whose creation fails before it exists gets no PostNcDestroy here
// (unlike MFC): a self-deleting object must not vanish inside its Create.
BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd)
        return FALSE;
    CREATESTRUCTW cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs))
        return FALSE;
    AfxEnsureCommonControls();
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    AfxUnhookWindowCreate();
    return hWnd != nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTW& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass =
            AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW));
    return TRUE;
}

void CWnd::PreSubclassWindow()
{
}

void CWnd::PostNcDestroy()
{
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    bool permanent = FromHandlePermanent(m_hWnd) == this;
    HWND hWnd = m_hWnd;
    BOOL result = ::DestroyWindow(hWnd);
    // A permanent object was detached by WM_NCDESTROY and may be gone.
    if (!permanent)
        m_hWnd = nullptr;
    return result;
}

// The names live as long as the process, in nodes that never move: callers
// keep the pointers.
LPCWSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static std::set<std::wstring> s_names;
    HINSTANCE hInst = AfxGetInstanceHandle();
    wchar_t name[96];
    _snwprintf(name, 96, L"GvMfc:%p:%x:%p:%p:%p", (void*)hInst, nClassStyle, (void*)hCursor, (void*)hbrBackground,
               (void*)hIcon);
    name[95] = 0;
    auto known = s_names.find(name);
    if (known != s_names.end())
        return known->c_str();
    WNDCLASSW wc = {};
    if (!::GetClassInfoW(hInst, name, &wc)) {
        wc.style = nClassStyle;
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = hInst;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.hIcon = hIcon;
        wc.lpszClassName = name;
        if (!::RegisterClassW(&wc))
            return nullptr;
    }
    return s_names.insert(name).first->c_str();
}

// --- the window procedure ------------------------------------------------------

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    ASSERT_VALID(pWnd);
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    MSG oldMsg = pState->m_lastSentMsg;
    pState->m_lastSentMsg.hwnd = hWnd;
    pState->m_lastSentMsg.message = nMsg;
    pState->m_lastSentMsg.wParam = wParam;
    pState->m_lastSentMsg.lParam = lParam;
    LRESULT lResult = 0;
    // Exceptions must not unwind through the system's frames.
    try {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (CException* e) {
        e->Delete();
        lResult = nMsg == WM_CREATE ? -1 : 0;
        if (nMsg == WM_PAINT)
            ::ValidateRect(hWnd, nullptr);
    } catch (...) {
        lResult = nMsg == WM_CREATE ? -1 : 0;
    }
    // A handler that ended the object without CWnd::OnNcDestroy leaves no
    // stale entry behind.
    if (nMsg == WM_NCDESTROY)
        pState->m_windows.ForgetHandle(hWnd);
    pState->m_lastSentMsg = oldMsg;
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd)
        return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* CWnd::GetCurrentMessage()
{
    return &AfxGetThreadState()->m_lastSentMsg;
}

namespace {
// The first entry of the chain for (message, code, id), or null.
const AFX_MSGMAP_ENTRY* FindEntry(const AFX_MSGMAP* pMap, UINT message, UINT code, UINT id)
{
    for (; pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->pfn; ++p)
            if (p->nMessage == message && p->nCode == code && id >= p->nID && id <= p->nLastID)
                return p;
    return nullptr;
}
} // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
        if (!pNMHDR || !pNMHDR->hwndFrom || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
        *pResult = lResult;
        return TRUE;
    }
    if (message == WM_GETOBJECT && OnGetAccessibleObject(wParam, lParam, pResult))
        return TRUE;
    const AFX_MSGMAP* pMap = GetMessageMap();
    if (message >= AFX_REGISTERED_MESSAGE && message <= 0xFFFF) {
        // Registered messages: each entry's thunk checks the value it names.
        for (const AFX_MSGMAP* p = pMap; p; p = p->pfnGetBaseMap ? p->pfnGetBaseMap() : nullptr)
            for (const AFX_MSGMAP_ENTRY* e = p->lpEntries; e->pfn; ++e)
                if (e->nMessage == AFX_REGISTERED_MESSAGE && e->pfn(this, message, wParam, lParam, &lResult)) {
                    *pResult = lResult;
                    return TRUE;
                }
        return FALSE;
    }
    UINT key = (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ? WM_CTLCOLOR : message;
    const AFX_MSGMAP_ENTRY* pEntry = FindEntry(pMap, key, 0, 0);
    if (!pEntry || !pEntry->pfn(this, message, wParam, lParam, &lResult))
        return FALSE;
    *pResult = lResult;
    return TRUE;
}

BOOL CWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT message = HIWORD(nCode) ? HIWORD(nCode) : WM_COMMAND;
    UINT code = LOWORD(nCode);
    const AFX_MSGMAP_ENTRY* pEntry = FindEntry(GetMessageMap(), message, code, nID);
    if (!pEntry)
        return FALSE;
    if (pHandlerInfo)
        return TRUE;
    LRESULT lResult = 0;
    if (message == WM_NOTIFY || message == WM_REFLECT_BASE + WM_NOTIFY) {
        AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
        LRESULT* pResult = pNotify && pNotify->pResult ? pNotify->pResult : &lResult;
        return pEntry->pfn(this, message, nID, (LPARAM)(pNotify ? pNotify->pNMHDR : nullptr), pResult);
    }
    return pEntry->pfn(this, message, MAKEWPARAM(nID, code), 0, &lResult);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);
    if (!hWndCtrl) {
        // Menus and accelerators.
        if (nID == 0)
            return FALSE;
        nCode = CN_COMMAND;
    } else {
        if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd)
            return TRUE;
        CWnd* pChild = FromHandlePermanent(hWndCtrl);
        if (pChild && pChild->OnChildNotify(WM_COMMAND, wParam, lParam, nullptr))
            return TRUE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd)
        return TRUE;
    CWnd* pChild = FromHandlePermanent(pNMHDR->hwndFrom);
    if (pChild && pChild->OnChildNotify(WM_NOTIFY, wParam, lParam, pResult))
        return TRUE;
    AFX_NOTIFY notify = {pResult, pNMHDR};
    UINT nID = (UINT)::GetDlgCtrlID(pNMHDR->hwndFrom);
    return OnCmdMsg(nID, MAKELONG(pNMHDR->code, WM_NOTIFY), &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (!pResult)
        pResult = &lResult;
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM: return CWnd::OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    case WM_COMMAND:
        if (CWnd::OnCmdMsg(0, MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr)) {
            *pResult = 1;
            return TRUE;
        }
        return FALSE;
    case WM_NOTIFY: {
        AFX_NOTIFY notify = {pResult, reinterpret_cast<NMHDR*>(lParam)};
        return CWnd::OnCmdMsg(0, MAKELONG(notify.pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, nullptr);
    }
    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
            AFX_CTLCOLOR ctl = {(HWND)lParam, (HDC)wParam, message - WM_CTLCOLORMSGBOX};
            return CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, (LPARAM)&ctl, pResult);
        }
        return FALSE;
    }
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    return pWnd && pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::PreTranslateInput(LPMSG lpMsg)
{
    bool key = lpMsg->message >= WM_KEYFIRST && lpMsg->message <= WM_KEYLAST;
    bool mouse = lpMsg->message >= WM_MOUSEFIRST && lpMsg->message <= WM_MOUSELAST;
    return (key || mouse) && IsDialogMessage(lpMsg);
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm)
{
    // GetTopWindow(nullptr) would name the top-level windows.
    if (!m_hWnd)
        return;
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild; hChild = ::GetNextWindow(hChild, GW_HWNDNEXT)) {
        if (!bOnlyPerm || FromHandlePermanent(hChild))
            ::SendMessageW(hChild, message, wParam, lParam);
        if (bDeep)
            FromHandle(hChild)->SendMessageToDescendants(message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

// --- data exchange -------------------------------------------------------------

void CWnd::DoDataExchange(CDataExchange*)
{
}

// Control notifications caused by the exchange reach no handler of this
// window. Any failure ends the exchange with FALSE: invalid input after its
// message box, a control missing from the template silently.
BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    HWND hWndOldLockout = pState->m_hLockoutNotifyWindow;
    pState->m_hLockoutNotifyWindow = m_hWnd;
    BOOL bOK = FALSE;
    try {
        DoDataExchange(&dx);
        bOK = TRUE;
    } catch (CException* e) {
        e->Delete();
    }
    pState->m_hLockoutNotifyWindow = hWndOldLockout;
    return bOK;
}

// --- window calls ----------------------------------------------------------------

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    ASSERT(::IsWindow(m_hWnd));
    DWORD style = GetStyle();
    DWORD newStyle = (style & ~dwRemove) | dwAdd;
    if (style == newStyle)
        return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, newStyle);
    if (nFlags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    ASSERT(::IsWindow(m_hWnd));
    DWORD style = GetExStyle();
    DWORD newStyle = (style & ~dwRemove) | dwAdd;
    if (style == newStyle)
        return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, newStyle);
    if (nFlags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

CWnd* CWnd::GetTopLevelParent() const
{
    HWND hWnd = m_hWnd;
    for (HWND hParent; (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD) && (hParent = ::GetParent(hWnd));)
        hWnd = hParent;
    return FromHandle(hWnd);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::ClientToScreen(m_hWnd, (LPPOINT)lpRect);
    ::ClientToScreen(m_hWnd, ((LPPOINT)lpRect) + 1);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::ScreenToClient(m_hWnd, (LPPOINT)lpRect);
    ::ScreenToClient(m_hWnd, ((LPPOINT)lpRect) + 1);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    ASSERT(::IsWindow(m_hWnd));
    return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : nullptr, x, y, cx, cy, nFlags);
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    DWORD exStyle = GetExStyle();
    if (nAdjustType == 0)
        exStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, exStyle);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    HWND hCenter = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetParent(m_hWnd);
    RECT area, rect;
    if (hCenter)
        ::GetWindowRect(hCenter, &area);
    else
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    ::GetWindowRect(m_hWnd, &rect);
    int x = (area.left + area.right - (rect.right - rect.left)) / 2;
    int y = (area.top + area.bottom - (rect.bottom - rect.top)) / 2;
    if (GetStyle() & WS_CHILD) {
        POINT pt = {x, y};
        ::ScreenToClient(::GetParent(m_hWnd), &pt);
        x = pt.x;
        y = pt.y;
    }
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CDC* CWnd::GetDC()
{
    return CDC::FromHandle(::GetDC(m_hWnd));
}

CDC* CWnd::GetWindowDC()
{
    return CDC::FromHandle(::GetWindowDC(m_hWnd));
}

int CWnd::ReleaseDC(CDC* pDC)
{
    return ::ReleaseDC(m_hWnd, pDC->GetSafeHdc());
}

CDC* CWnd::BeginPaint(LPPAINTSTRUCT lpPaint)
{
    return CDC::FromHandle(::BeginPaint(m_hWnd, lpPaint));
}

void CWnd::GetWindowText(CString& rString) const
{
    int length = ::GetWindowTextLengthW(m_hWnd);
    ::GetWindowTextW(m_hWnd, rString.GetBufferSetLength(length), length + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    HWND hItem = ::GetDlgItem(m_hWnd, nID);
    rString.Empty();
    if (hItem)
        FromHandle(hItem)->GetWindowText(rString);
    return rString.GetLength();
}

void AfxSetWindowText(HWND hWndCtrl, LPCWSTR lpszNew)
{
    int length = ::GetWindowTextLengthW(hWndCtrl);
    std::wstring old(length + 1, L'\0');
    old.resize(::GetWindowTextW(hWndCtrl, &old[0], length + 1));
    if (old != (lpszNew ? lpszNew : L""))
        ::SetWindowTextW(hWndCtrl, lpszNew);
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    ::SendMessageW(m_hWnd, WM_SETFONT, (WPARAM)pFont->GetSafeHandle(), bRedraw);
}

CFont* CWnd::GetFont() const
{
    return static_cast<CFont*>(CGdiObject::FromHandle((HGDIOBJ)::SendMessageW(m_hWnd, WM_GETFONT, 0, 0)));
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

void CWnd::DragAcceptFiles(BOOL bAccept)
{
    ::DragAcceptFiles(m_hWnd, bAccept);
}

// --- default handlers ----------------------------------------------------------------

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return (int)Default();
}
void CWnd::OnDestroy()
{
    Default();
}
void CWnd::OnClose()
{
    Default();
}
void CWnd::OnPaint()
{
    Default();
}
void CWnd::OnNcPaint()
{
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return (BOOL)Default();
}
void CWnd::OnSize(UINT, int, int)
{
    Default();
}
void CWnd::OnShowWindow(BOOL, UINT)
{
    Default();
}
void CWnd::OnEnable(BOOL)
{
    Default();
}
void CWnd::OnGetMinMaxInfo(MINMAXINFO*)
{
    Default();
}
void CWnd::OnTimer(UINT_PTR)
{
    Default();
}
UINT CWnd::OnGetDlgCode()
{
    return (UINT)Default();
}
void CWnd::OnDropFiles(HDROP)
{
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnMButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnMButtonUp(UINT, CPoint)
{
    Default();
}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint)
{
    return (BOOL)Default();
}
int CWnd::OnMouseActivate(CWnd*, UINT, UINT)
{
    return (int)Default();
}
void CWnd::OnCaptureChanged(CWnd*)
{
    Default();
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    return (BOOL)Default();
}
void CWnd::OnContextMenu(CWnd*, CPoint)
{
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnSysKeyDown(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnSetFocus(CWnd*)
{
    Default();
}
void CWnd::OnKillFocus(CWnd*)
{
    Default();
}
void CWnd::OnActivate(UINT, CWnd*, BOOL)
{
    Default();
}
void CWnd::OnActivateApp(BOOL, DWORD)
{
    Default();
}
BOOL CWnd::OnQueryNewPalette()
{
    return (BOOL)Default();
}
void CWnd::OnPaletteChanged(CWnd*)
{
    Default();
}
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*)
{
    Default();
}
LRESULT CWnd::OnNcHitTest(CPoint)
{
    return Default();
}
void CWnd::OnNcLButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcLButtonUp(UINT, CPoint)
{
    Default();
}
LRESULT CWnd::OnMenuChar(UINT, UINT, CMenu*)
{
    return Default();
}
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL)
{
    Default();
}

// Unmaps the window (restoring the procedure it had), then lets the object
// end itself.
void CWnd::OnNcDestroy()
{
    WNDPROC ourProc = (WNDPROC)::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC);
    Default();
    if (m_pfnSuper && ourProc == AfxWndProc && (WNDPROC)::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC) == AfxWndProc)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = nullptr;
    Detach();
    PostNcDestroy();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar && pScrollBar->SendChildNotifyLastMsg())
        return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar && pScrollBar->SendChildNotifyLastMsg())
        return;
    Default();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType == ODT_MENU) {
        CMenu* pMenu = CMenu::FromHandlePermanent((HMENU)lpDrawItemStruct->hwndItem);
        if (pMenu) {
            pMenu->DrawItem(lpDrawItemStruct);
            return;
        }
    } else if (ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType == ODT_MENU) {
        CMenu* pMenu = CMenu::FindPopupMenuFromID(AfxGetThreadState()->m_hTrackingMenu, lpMeasureItemStruct->itemID);
        if (!pMenu)
            pMenu = CMenu::FindPopupMenuFromID(::GetMenu(m_hWnd), lpMeasureItemStruct->itemID);
        if (pMenu) {
            pMenu->MeasureItem(lpMeasureItemStruct);
            return;
        }
    } else if (ReflectLastMsg(::GetDlgItem(m_hWnd, nIDCtl)))
        return;
    Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult = 0;
    if (pWnd && pWnd->SendChildNotifyLastMsg(&lResult))
        return (HBRUSH)lResult;
    return (HBRUSH)Default();
}

void CWnd::OnSysColorChange()
{
    if (!(GetStyle() & WS_CHILD))
        SendMessageToDescendants(WM_SYSCOLORCHANGE, 0, 0, TRUE, TRUE);
    Default();
}

void CWnd::OnSettingChange(UINT uFlags, LPCWSTR lpszSection)
{
    if (!(GetStyle() & WS_CHILD))
        SendMessageToDescendants(WM_SETTINGCHANGE, uFlags, reinterpret_cast<LPARAM>(lpszSection), TRUE, TRUE);
    Default();
}

// CWnd's own map ends every chain: the handlers that reflect notifications
// to the child's object and the one that unmaps a destroyed window.
const AFX_MSGMAP* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP* CWnd::GetThisMessageMap()
{
    typedef CWnd ThisClass;
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {ON_WM_NCDESTROY() ON_WM_HSCROLL() ON_WM_VSCROLL()
                                                           ON_WM_DRAWITEM() ON_WM_MEASUREITEM()
                                                               ON_WM_CTLCOLOR() ON_WM_SYSCOLORCHANGE()
                                                                   ON_WM_SETTINGCHANGE(){0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &_messageEntries[0]};
    return &messageMap;
}

BOOL AfxSetScrollInfoLazily(HWND hWnd, int nBar, const SCROLLINFO& info)
{
    SCROLLINFO now = {};
    now.cbSize = sizeof(now);
    now.fMask = SIF_ALL;
    ::GetScrollInfo(hWnd, nBar, &now);
    const UINT mask = info.fMask;
    if ((!(mask & SIF_RANGE) || (now.nMin == info.nMin && now.nMax == info.nMax))
        && (!(mask & SIF_PAGE) || now.nPage == info.nPage) && (!(mask & SIF_POS) || now.nPos == info.nPos))
        return FALSE;
    const LONG object = nBar == SB_VERT ? OBJID_VSCROLL : nBar == SB_HORZ ? OBJID_HSCROLL : OBJID_CLIENT;
    SCROLLBARINFO before = {}, after = {};
    before.cbSize = after.cbSize = sizeof(SCROLLBARINFO);
    const bool known = ::GetScrollBarInfo(hWnd, object, &before) != FALSE;
    SCROLLINFO set = info;
    set.cbSize = sizeof(set);
    ::SetScrollInfo(hWnd, nBar, &set, !known);
    if (!known)
        return TRUE;
    if (::GetScrollBarInfo(hWnd, object, &after) && after.xyThumbTop == before.xyThumbTop
        && after.xyThumbBottom == before.xyThumbBottom
        && std::memcmp(after.rgstate, before.rgstate, sizeof(after.rgstate)) == 0)
        return TRUE;
    if (nBar == SB_CTL) {
        ::InvalidateRect(hWnd, nullptr, FALSE);
        return TRUE;
    }
    // A window's own bar lies outside its client area: its rectangle in
    // client coordinates reaches it through the frame.
    RECT area = after.rcScrollBar;
    ::MapWindowPoints(nullptr, hWnd, reinterpret_cast<POINT*>(&area), 2);
    ::RedrawWindow(hWnd, &area, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
    return TRUE;
}

UINT AfxGetWindowDpi(const CWnd* pWnd)
{
    // Loaded by name: Windows before 10 and some Wine versions do not export it.
    using GetDpiForWindowProc = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowProc>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    const HWND hWnd = pWnd->GetSafeHwnd();
    if (getDpiForWindow && hWnd) {
        const UINT dpi = getDpiForWindow(hWnd);
        if (dpi)
            return dpi;
    }
    const HDC hDC = ::GetDC(hWnd);
    const int dpi = hDC ? ::GetDeviceCaps(hDC, LOGPIXELSY) : 0;
    if (hDC)
        ::ReleaseDC(hWnd, hDC);
    return dpi > 0 ? static_cast<UINT>(dpi) : UINT(GvDefaultDpi);
}

int AfxScaleForWindow(const CWnd* pWnd, int nPixels)
{
    return GvScaleToDpi(nPixels, AfxGetWindowDpi(pWnd));
}
