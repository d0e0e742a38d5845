#pragma once
// Private to GvMfc.dll: per-thread state (current message, handle maps,
// window-creation hook) and the handle map shape shared by windows, device
// contexts, GDI objects and menus.
#include <unordered_map>
#include <vector>
#include "MfcExport.h"

class CWnd;
class CDC;
class CGdiObject;
class CMenu;

// Handle → object. Invariant: a handle has at most one permanent and at most
// one temporary object, and lookups see the permanent one first (a wrapper
// made before its handle was attached lives on until idle time); temporary
// objects belong to the map and are deleted by DeleteTemp after their handle
// was cleared with Clear.
template <class H, class T>
class CHandleMap
{
public:
    T* LookupPermanent(H h) const
    {
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }
    void SetPermanent(H h, T* p) { m_permanent[h] = p; }
    void RemoveHandle(H h, T* p)
    {
        auto it = m_permanent.find(h);
        if (it != m_permanent.end() && it->second == p)
            m_permanent.erase(it);
    }
    void ForgetHandle(H h) { m_permanent.erase(h); }
    T* LookupTemporary(H h) const
    {
        auto it = m_temporary.find(h);
        return it == m_temporary.end() ? nullptr : it->second;
    }
    // The permanent object, else a temporary one made by New and set by Set.
    template <class New, class Set>
    T* FromHandle(H h, New makeObject, Set setHandle)
    {
        if (!h)
            return nullptr;
        if (T* p = LookupPermanent(h))
            return p;
        if (T* p = LookupTemporary(h))
            return p;
        T* p = makeObject();
        setHandle(p, h);
        m_temporary[h] = p;
        return p;
    }
    template <class Clear>
    void DeleteTemp(Clear clearHandle)
    {
        std::unordered_map<H, T*> temporary;
        temporary.swap(m_temporary);
        for (auto& entry : temporary) {
            clearHandle(entry.second);
            delete entry.second;
        }
    }
    size_t TemporaryCount() const { return m_temporary.size(); }

private:
    std::unordered_map<H, T*> m_permanent;
    std::unordered_map<H, T*> m_temporary;
};

// Binds an object's handle member and the permanent map; FALSE when the
// object has a handle, or when an exclusive handle (a window) has an object.
// Shared handles (stock GDI objects) map to their latest object.
template <class H, class T>
BOOL AfxAttachHandle(CHandleMap<H, T>& map, H& member, H h, T* p, bool exclusive = false)
{
    if (!h || member || (exclusive && map.LookupPermanent(h)))
        return FALSE;
    member = h;
    map.SetPermanent(h, p);
    return TRUE;
}

// Unbinds them again; the map may be gone (null) at the end of the thread.
template <class H, class T>
H AfxDetachHandle(CHandleMap<H, T>* map, H& member, T* p)
{
    H h = member;
    if (h && map)
        map->RemoveHandle(h, p);
    member = nullptr;
    return h;
}

struct AFX_THREAD_STATE
{
    MSG m_lastSentMsg = {};
    CWnd* m_pWndInit = nullptr;
    HHOOK m_hHookOldCbtFilter = nullptr;
    CHandleMap<HWND, CWnd> m_windows;
    CHandleMap<HDC, CDC> m_dcs;
    CHandleMap<HGDIOBJ, CGdiObject> m_gdiObjects;
    CHandleMap<HMENU, CMenu> m_menus;
    // The pop-up menu being tracked, for WM_MEASUREITEM of its items.
    HMENU m_hTrackingMenu = nullptr;
    // The window whose data exchange runs: its controls' notifications are
    // dropped meanwhile.
    HWND m_hLockoutNotifyWindow = nullptr;
};

// The calling thread's state, made on first use.
AFX_THREAD_STATE* AfxGetThreadState();
// The calling thread's state or null; never allocates (for destructors that
// may run after the thread's state is gone).
AFX_THREAD_STATE* AfxPeekThreadState();
HINSTANCE AfxGetLayerInstance();
void AfxEnsureCommonControls();
