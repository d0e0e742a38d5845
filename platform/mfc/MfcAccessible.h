#pragma once
// Helpers for the get_acc... overrides of CWnd (MfcWnd.h): a control without
// accessible children answers for itself only.
#include "MfcExport.h"
#include <windows.h>
#include <oleacc.h>

class CWnd;
class CString;

// True when varChild names the object itself (CHILDID_SELF).
GVMFC_API BOOL AfxIsAccSelf(const VARIANT& varChild);
// Puts a copy of text into *pszOut: S_OK, E_INVALIDARG for a null pointer,
// E_OUTOFMEMORY.
GVMFC_API HRESULT AfxSetAccString(BSTR* pszOut, LPCWSTR text);
// Puts a VT_I4 into *pvarOut (a role or a set of states): S_OK or E_INVALIDARG.
GVMFC_API HRESULT AfxSetAccLong(VARIANT* pvarOut, LONG value);
// The standard state of the window with STATE_SYSTEM_FOCUSABLE, and
// STATE_SYSTEM_FOCUSED while it has the focus, added.
GVMFC_API LONG AfxAccFocusableState(CWnd* pWnd);
// Tells accessibility clients (EVENT_OBJECT_VALUECHANGE for the client area)
// when the window's accessible value differs from lastValue, which then
// takes it, so that a change reported by several paths is announced once.
GVMFC_API void AfxNotifyAccValueChange(CWnd* pWnd, CString& lastValue);
