#include <windows.h>
#include <commctrl.h>

#include "GvUtilities.h"

namespace {

// Smart-erase windows and include windows are comctl32 subclasses with
// these ids. Each also carries a window property, so that other windows can
// find out about it: an erase window its EraseState, an include window 1.
const UINT_PTR kEraseId = 1;
const UINT_PTR kIncludeId = 1;
const wchar_t kEraseProperty[] = L"GvSmartErase";
const wchar_t kIncludeProperty[] = L"GvSmartEraseInclude";

struct EraseState
{
    COLORREF m_color;
    bool m_clipChildren;
};

LRESULT CALLBACK EraseProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data);
LRESULT CALLBACK IncludeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data);

EraseState* EraseStateOf(HWND window)
{
    return static_cast<EraseState*>(GetPropW(window, kEraseProperty));
}

bool IsIncluded(HWND window)
{
    return GetPropW(window, kIncludeProperty) != nullptr;
}

void EndErasing(HWND window, EraseState* state)
{
    RemovePropW(window, kEraseProperty);
    RemoveWindowSubclass(window, EraseProc, kEraseId);
    delete state;
}

bool EndIncluding(HWND window)
{
    RemovePropW(window, kIncludeProperty);
    return RemoveWindowSubclass(window, IncludeProc, kIncludeId) != FALSE;
}

void ExcludeWindow(HDC dc, HWND window, HWND from)
{
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, from, reinterpret_cast<POINT*>(&r), 2);
    ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
}

// Fills window's client area, leaving out its visible children that paint
// themselves and, for an include window, the visible siblings over it.
void Fill(HWND window, HDC dc, COLORREF color, bool clipChildren, bool isInclude)
{
    RECT client;
    GetClientRect(window, &client);
    const int saved = SaveDC(dc);
    if (clipChildren)
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (IsWindowVisible(child) && !IsIncluded(child))
                ExcludeWindow(dc, child, window);
    if (isInclude) {
        RECT mine, theirs, overlap;
        GetWindowRect(window, &mine);
        for (HWND sibling = GetWindow(window, GW_HWNDFIRST); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT))
            if (sibling != window && IsWindowVisible(sibling) && !IsIncluded(sibling) && GetWindowRect(sibling, &theirs)
                && IntersectRect(&overlap, &mine, &theirs))
                ExcludeWindow(dc, sibling, window);
    }
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    RestoreDC(dc, saved);
}

LRESULT CALLBACK EraseProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data)
{
    EraseState* state = reinterpret_cast<EraseState*>(data);
    if (message == WM_ERASEBKGND && wParam) {
        Fill(window, reinterpret_cast<HDC>(wParam), state->m_color, state->m_clipChildren, false);
        return 1;
    }
    if (message == WM_NCDESTROY)
        EndErasing(window, state);
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK IncludeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data)
{
    if (message == WM_ERASEBKGND && wParam)
        for (HWND ancestor = GetParent(window); ancestor; ancestor = GetParent(ancestor))
            if (const EraseState* state = EraseStateOf(ancestor)) {
                Fill(window, reinterpret_cast<HDC>(wParam), state->m_color, true, true);
                return 1;
            }
    if (message == WM_NCDESTROY)
        EndIncluding(window);
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

bool GvAddSmartEraseWindow(GvHWND window, unsigned long color, bool clipChildren)
{
    if (!IsWindow(window))
        return false;
    if (EraseState* state = EraseStateOf(window)) {
        state->m_color = color;
        state->m_clipChildren = clipChildren;
        return true;
    }
    EraseState* state = new EraseState{color, clipChildren};
    if (!SetWindowSubclass(window, EraseProc, kEraseId, reinterpret_cast<DWORD_PTR>(state))) {
        delete state;
        return false;
    }
    SetPropW(window, kEraseProperty, state);
    return true;
}

bool GvRemoveSmartEraseWindow(GvHWND window)
{
    EraseState* state = EraseStateOf(window);
    if (!state)
        return false;
    EndErasing(window, state);
    return true;
}

bool GvAddSmartEraseIncludeWindow(GvHWND window, bool exclude)
{
    if (!IsWindow(window))
        return false;
    if (exclude)
        return EndIncluding(window);
    return SetWindowSubclass(window, IncludeProc, kIncludeId, 0)
           && SetPropW(window, kIncludeProperty, reinterpret_cast<HANDLE>(1));
}
