// Active Accessibility of CWnd: the object a window hands out for WM_GETOBJECT
// and the defaults of the get_acc... virtuals.
#include "MfcAccessible.h"

#include "MfcString.h"
#include "MfcWnd.h"

namespace {

// Spelled out: under Wine the import library's IID_IAccessible reads as a thunk.
const IID kIIDAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

IAccessible* CreateStandardObject(HWND hWnd)
{
    void* pObject = nullptr;
    if (FAILED(::CreateStdAccessibleObject(hWnd, OBJID_CLIENT, kIIDAccessible, &pObject)))
        return nullptr;
    return static_cast<IAccessible*>(pObject);
}

// Calls call(standard object of hWnd's client area), or fails.
template <class Call>
HRESULT AskStandardObject(HWND hWnd, Call call)
{
    IAccessible* pStandard = CreateStandardObject(hWnd);
    if (!pStandard)
        return E_FAIL;
    const HRESULT hr = call(pStandard);
    pStandard->Release();
    return hr;
}

// The object of one WM_GETOBJECT: the window's overrides in front of the
// standard object. It keeps the handle, not the CWnd, and finds the object
// through the window map for each question, so that it outlives the window
// harmlessly (the standard object then answers, with its errors) and a
// question from another thread goes to the standard object.
class CWndAccessible final : public IAccessible, public IOleWindow
{
public:
    CWndAccessible(HWND hWnd, IAccessible* pStandard) : m_refs(1), m_hWnd(hWnd), m_pStandard(pStandard) {}

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == kIIDAccessible)
            *ppv = static_cast<IAccessible*>(this);
        else if (riid == IID_IOleWindow)
            *ppv = static_cast<IOleWindow*>(this);
        else {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_refs)); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG refs = ::InterlockedDecrement(&m_refs);
        if (refs == 0)
            delete this;
        return static_cast<ULONG>(refs);
    }

    // IOleWindow
    STDMETHODIMP GetWindow(HWND* phwnd) override
    {
        if (!phwnd)
            return E_INVALIDARG;
        *phwnd = m_hWnd;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IDispatch: the standard object's, which knows the type library.
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override { return m_pStandard->GetTypeInfoCount(pctinfo); }
    STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override
    {
        return m_pStandard->GetTypeInfo(iTInfo, lcid, ppTInfo);
    }
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override
    {
        return m_pStandard->GetIDsOfNames(riid, names, count, lcid, ids);
    }
    STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* excepInfo, UINT* argErr) override
    {
        return m_pStandard->Invoke(id, riid, lcid, flags, params, result, excepInfo, argErr);
    }

    // IAccessible: what the window overrides.
    STDMETHODIMP get_accName(VARIANT varChild, BSTR* pszName) override
    {
        CWnd* pWnd = Window();
        return pWnd ? pWnd->get_accName(varChild, pszName) : m_pStandard->get_accName(varChild, pszName);
    }
    STDMETHODIMP get_accValue(VARIANT varChild, BSTR* pszValue) override
    {
        CWnd* pWnd = Window();
        return pWnd ? pWnd->get_accValue(varChild, pszValue) : m_pStandard->get_accValue(varChild, pszValue);
    }
    STDMETHODIMP get_accDescription(VARIANT varChild, BSTR* pszDescription) override
    {
        CWnd* pWnd = Window();
        return pWnd ? pWnd->get_accDescription(varChild, pszDescription)
                    : m_pStandard->get_accDescription(varChild, pszDescription);
    }
    STDMETHODIMP get_accRole(VARIANT varChild, VARIANT* pvarRole) override
    {
        CWnd* pWnd = Window();
        return pWnd ? pWnd->get_accRole(varChild, pvarRole) : m_pStandard->get_accRole(varChild, pvarRole);
    }
    STDMETHODIMP get_accState(VARIANT varChild, VARIANT* pvarState) override
    {
        CWnd* pWnd = Window();
        return pWnd ? pWnd->get_accState(varChild, pvarState) : m_pStandard->get_accState(varChild, pvarState);
    }

    // IAccessible: the standard object's.
    STDMETHODIMP get_accParent(IDispatch** ppdispParent) override { return m_pStandard->get_accParent(ppdispParent); }
    STDMETHODIMP get_accChildCount(LONG* pcountChildren) override
    {
        return m_pStandard->get_accChildCount(pcountChildren);
    }
    STDMETHODIMP get_accChild(VARIANT varChild, IDispatch** ppdispChild) override
    {
        return m_pStandard->get_accChild(varChild, ppdispChild);
    }
    STDMETHODIMP get_accHelp(VARIANT varChild, BSTR* pszHelp) override
    {
        return m_pStandard->get_accHelp(varChild, pszHelp);
    }
    STDMETHODIMP get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, LONG* pidTopic) override
    {
        return m_pStandard->get_accHelpTopic(pszHelpFile, varChild, pidTopic);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) override
    {
        return m_pStandard->get_accKeyboardShortcut(varChild, pszKeyboardShortcut);
    }
    STDMETHODIMP get_accFocus(VARIANT* pvarChild) override { return m_pStandard->get_accFocus(pvarChild); }
    STDMETHODIMP get_accSelection(VARIANT* pvarChildren) override
    {
        return m_pStandard->get_accSelection(pvarChildren);
    }
    STDMETHODIMP get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override
    {
        return m_pStandard->get_accDefaultAction(varChild, pszDefaultAction);
    }
    STDMETHODIMP accSelect(long flagsSelect, VARIANT varChild) override
    {
        return m_pStandard->accSelect(flagsSelect, varChild);
    }
    STDMETHODIMP accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override
    {
        return m_pStandard->accLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild);
    }
    STDMETHODIMP accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override
    {
        return m_pStandard->accNavigate(navDir, varStart, pvarEndUpAt);
    }
    STDMETHODIMP accHitTest(long xLeft, long yTop, VARIANT* pvarChild) override
    {
        return m_pStandard->accHitTest(xLeft, yTop, pvarChild);
    }
    STDMETHODIMP accDoDefaultAction(VARIANT varChild) override { return m_pStandard->accDoDefaultAction(varChild); }
    STDMETHODIMP put_accName(VARIANT varChild, BSTR szName) override
    {
        return m_pStandard->put_accName(varChild, szName);
    }
    STDMETHODIMP put_accValue(VARIANT varChild, BSTR szValue) override
    {
        return m_pStandard->put_accValue(varChild, szValue);
    }

private:
    ~CWndAccessible() { m_pStandard->Release(); }
    CWnd* Window() const { return ::IsWindow(m_hWnd) ? CWnd::FromHandlePermanent(m_hWnd) : nullptr; }

    LONG m_refs;
    HWND m_hWnd;
    IAccessible* m_pStandard;
};

} // namespace

void CWnd::EnableActiveAccessibility()
{
    m_bEnableActiveAccessibility = TRUE;
}

BOOL CWnd::OnGetAccessibleObject(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // lParam carries a 32-bit object id, sign-extended or not.
    if (!m_bEnableActiveAccessibility || static_cast<LONG>(lParam) != OBJID_CLIENT)
        return FALSE;
    IAccessible* pStandard = CreateStandardObject(m_hWnd);
    if (!pStandard)
        return FALSE;
    CWndAccessible* pObject = new CWndAccessible(m_hWnd, pStandard);
    *pResult = ::LresultFromObject(kIIDAccessible, wParam, static_cast<IAccessible*>(pObject));
    pObject->Release();
    return TRUE;
}

HRESULT CWnd::get_accName(VARIANT varChild, BSTR* pszName)
{
    return AskStandardObject(m_hWnd, [&](IAccessible* p) { return p->get_accName(varChild, pszName); });
}

HRESULT CWnd::get_accValue(VARIANT varChild, BSTR* pszValue)
{
    return AskStandardObject(m_hWnd, [&](IAccessible* p) { return p->get_accValue(varChild, pszValue); });
}

HRESULT CWnd::get_accDescription(VARIANT varChild, BSTR* pszDescription)
{
    return AskStandardObject(m_hWnd, [&](IAccessible* p) { return p->get_accDescription(varChild, pszDescription); });
}

HRESULT CWnd::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    return AskStandardObject(m_hWnd, [&](IAccessible* p) { return p->get_accRole(varChild, pvarRole); });
}

HRESULT CWnd::get_accState(VARIANT varChild, VARIANT* pvarState)
{
    return AskStandardObject(m_hWnd, [&](IAccessible* p) { return p->get_accState(varChild, pvarState); });
}

BOOL AfxIsAccSelf(const VARIANT& varChild)
{
    return varChild.vt == VT_I4 && varChild.lVal == CHILDID_SELF;
}

HRESULT AfxSetAccString(BSTR* pszOut, LPCWSTR text)
{
    if (!pszOut)
        return E_INVALIDARG;
    *pszOut = ::SysAllocString(text ? text : L"");
    return *pszOut ? S_OK : E_OUTOFMEMORY;
}

HRESULT AfxSetAccLong(VARIANT* pvarOut, LONG value)
{
    if (!pvarOut)
        return E_INVALIDARG;
    ::VariantInit(pvarOut);
    pvarOut->vt = VT_I4;
    pvarOut->lVal = value;
    return S_OK;
}

LONG AfxAccFocusableState(CWnd* pWnd)
{
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT state;
    ::VariantInit(&state);
    LONG result = 0;
    if (SUCCEEDED(pWnd->CWnd::get_accState(self, &state)) && state.vt == VT_I4)
        result = state.lVal;
    result |= STATE_SYSTEM_FOCUSABLE;
    if (::GetFocus() == pWnd->GetSafeHwnd())
        result |= STATE_SYSTEM_FOCUSED;
    return result;
}

void AfxNotifyAccValueChange(CWnd* pWnd, CString& lastValue)
{
    HWND hWnd = pWnd->GetSafeHwnd();
    if (!hWnd)
        return;
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR value = nullptr;
    if (FAILED(pWnd->get_accValue(self, &value)))
        return;
    const CString current = value ? value : L"";
    ::SysFreeString(value);
    if (current == lastValue)
        return;
    lastValue = current;
    ::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, hWnd, OBJID_CLIENT, CHILDID_SELF);
}
