#include "MfcMenu.h"
#include "MfcState.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    return AfxGetThreadState()->m_menus.FromHandle(
        hMenu, [] { return new CMenu; }, [](CMenu* p, HMENU h) { p->m_hMenu = h; });
}

CMenu* CMenu::FromHandlePermanent(HMENU hMenu)
{
    return hMenu ? AfxGetThreadState()->m_menus.LookupPermanent(hMenu) : nullptr;
}

CMenu* CMenu::FindPopupMenuFromID(HMENU hMenu, UINT nID)
{
    if (!hMenu || !::IsMenu(hMenu))
        return nullptr;
    int count = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < count; ++i) {
        HMENU hSub = ::GetSubMenu(hMenu, i);
        if (hSub) {
            if ((UINT)(UINT_PTR)hSub == nID)
                return FromHandlePermanent(hMenu);
            if (CMenu* pFound = FindPopupMenuFromID(hSub, nID))
                return pFound;
        } else if (::GetMenuItemID(hMenu, i) == nID)
            return FromHandlePermanent(hMenu);
    }
    return nullptr;
}

HMENU CMenu::GetSafeHmenu() const
{
    return this ? m_hMenu : nullptr;
}

BOOL CMenu::Attach(HMENU hMenu)
{
    return AfxAttachHandle(AfxGetThreadState()->m_menus, m_hMenu, hMenu, this);
}

HMENU CMenu::Detach()
{
    AFX_THREAD_STATE* pState = AfxPeekThreadState();
    return AfxDetachHandle(pState ? &pState->m_menus : nullptr, m_hMenu, this);
}

BOOL CMenu::DestroyMenu()
{
    HMENU hMenu = Detach();
    return hMenu && ::DestroyMenu(hMenu);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    int length = ::GetMenuStringW(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (length <= 0) {
        rString.Empty();
        return 0;
    }
    ::GetMenuStringW(m_hMenu, nIDItem, rString.GetBufferSetLength(length), length + 1, nFlags);
    rString.ReleaseBuffer();
    return rString.GetLength();
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    HMENU hOldTracking = pState->m_hTrackingMenu;
    pState->m_hTrackingMenu = m_hMenu;
    BOOL result = ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->GetSafeHwnd(), lpRect);
    pState->m_hTrackingMenu = hOldTracking;
    return result;
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT)
{
}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT)
{
}
