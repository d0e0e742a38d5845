#include "MfcState.h"
#include "MfcException.h"
#include "MfcGdi.h"
#include "MfcMenu.h"
#include "MfcMessageLoop.h"
#include "MfcModule.h"
#include "MfcWnd.h"
#include <commctrl.h>

namespace {
DWORD g_tlsIndex = TLS_OUT_OF_INDEXES;
HINSTANCE g_hLayerInstance = nullptr;
AFX_MODULE_STATE g_moduleState = {nullptr, nullptr};
CDynLinkLibrary* g_pFirstLibrary = nullptr;

void FreeThreadState()
{
    if (g_tlsIndex == TLS_OUT_OF_INDEXES)
        return;
    AFX_THREAD_STATE* pState = static_cast<AFX_THREAD_STATE*>(::TlsGetValue(g_tlsIndex));
    if (!pState)
        return;
    ::TlsSetValue(g_tlsIndex, nullptr);
    if (pState->m_hHookOldCbtFilter)
        ::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
    delete pState;
}
} // namespace

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    switch (dwReason) {
    case DLL_PROCESS_ATTACH:
        g_hLayerInstance = hInstance;
        g_tlsIndex = ::TlsAlloc();
        g_moduleState.m_hCurrentInstanceHandle = ::GetModuleHandleW(nullptr);
        g_moduleState.m_hCurrentResourceHandle = g_moduleState.m_hCurrentInstanceHandle;
        return g_tlsIndex != TLS_OUT_OF_INDEXES;
    case DLL_THREAD_DETACH: FreeThreadState(); break;
    case DLL_PROCESS_DETACH:
        FreeThreadState();
        ::TlsFree(g_tlsIndex);
        g_tlsIndex = TLS_OUT_OF_INDEXES;
        break;
    }
    return TRUE;
}

AFX_THREAD_STATE* AfxPeekThreadState()
{
    return g_tlsIndex == TLS_OUT_OF_INDEXES ? nullptr : static_cast<AFX_THREAD_STATE*>(::TlsGetValue(g_tlsIndex));
}

AFX_THREAD_STATE* AfxGetThreadState()
{
    AFX_THREAD_STATE* pState = AfxPeekThreadState();
    if (!pState) {
        pState = new AFX_THREAD_STATE;
        ::TlsSetValue(g_tlsIndex, pState);
    }
    return pState;
}

HINSTANCE AfxGetLayerInstance()
{
    return g_hLayerInstance;
}

void AfxEnsureCommonControls()
{
    static bool s_done = false;
    if (s_done)
        return;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    s_done = ::InitCommonControlsEx(&icc) != FALSE;
}

// --- module state and the resource chain -------------------------------------------

AFX_MODULE_STATE* AfxGetModuleState()
{
    return &g_moduleState;
}

HINSTANCE AfxGetInstanceHandle()
{
    return g_moduleState.m_hCurrentInstanceHandle;
}

HINSTANCE AfxGetResourceHandle()
{
    return g_moduleState.m_hCurrentResourceHandle;
}

void AfxSetResourceHandle(HINSTANCE hInstResource)
{
    g_moduleState.m_hCurrentResourceHandle = hInstResource;
}

HINSTANCE AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType)
{
    HINSTANCE hCurrent = AfxGetResourceHandle();
    if (hCurrent && ::FindResourceW(hCurrent, lpszName, lpszType))
        return hCurrent;
    for (CDynLinkLibrary* p = g_pFirstLibrary; p; p = p->m_pNextDLL)
        if (p->m_hResource && ::FindResourceW(p->m_hResource, lpszName, lpszType))
            return p->m_hResource;
    return nullptr;
}

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (state.bInitialized)
        return TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL)
{
    if (!state.bInitialized)
        return;
    for (CDynLinkLibrary* p = g_pFirstLibrary; p;) {
        CDynLinkLibrary* pNext = p->m_pNextDLL;
        if (p->m_hModule == state.hModule)
            delete p;
        p = pNext;
    }
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_pNextDLL(g_pFirstLibrary)
{
    g_pFirstLibrary = this;
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    for (CDynLinkLibrary** pp = &g_pFirstLibrary; *pp; pp = &(*pp)->m_pNextDLL)
        if (*pp == this) {
            *pp = m_pNextDLL;
            break;
        }
}

CDynLinkLibrary* AfxGetFirstDynLinkLibrary()
{
    return g_pFirstLibrary;
}

int AfxMessageBox(LPCWSTR lpszText, UINT nType, UINT)
{
    HWND hOwner = ::GetActiveWindow();
    wchar_t title[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, title, MAX_PATH);
    const wchar_t* name = title;
    for (const wchar_t* p = title; *p; ++p)
        if (*p == L'\\' || *p == L'/')
            name = p + 1;
    return ::MessageBoxW(hOwner, lpszText, name, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, nType, nIDHelp);
}

// --- exceptions -----------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CUserException, CException)

CException::~CException()
{
}

void AfxThrowNotSupportedException()
{
    throw new CNotSupportedException;
}

void AfxThrowUserException()
{
    throw new CUserException;
}

// --- the message loop of a host ----------------------------------------------------------

BOOL AfxPreTranslateMessage(MSG* pMsg)
{
    return CWnd::WalkPreTranslateTree(nullptr, pMsg);
}

namespace {
void DispatchOne(MSG& msg)
{
    if (!AfxPreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}
} // namespace

BOOL AfxPumpMessage()
{
    MSG msg;
    if (::GetMessageW(&msg, nullptr, 0, 0) <= 0)
        return FALSE;
    DispatchOne(msg);
    return TRUE;
}

void AfxIdleProcessing()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    pState->m_windows.DeleteTemp([](CWnd* p) { p->m_hWnd = nullptr; });
    pState->m_dcs.DeleteTemp([](CDC* p) { p->m_hDC = p->m_hAttribDC = nullptr; });
    pState->m_gdiObjects.DeleteTemp([](CGdiObject* p) { p->m_hObject = nullptr; });
    pState->m_menus.DeleteTemp([](CMenu* p) { p->m_hMenu = nullptr; });
}

int AfxRunMessageLoop()
{
    MSG msg;
    for (;;) {
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
            AfxIdleProcessing();
        if (::GetMessageW(&msg, nullptr, 0, 0) <= 0)
            return (int)msg.wParam;
        DispatchOne(msg);
    }
}

void AfxPumpPendingMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        DispatchOne(msg);
    }
    AfxIdleProcessing();
}

size_t AfxGetTemporaryObjectCount()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    return pState->m_windows.TemporaryCount() + pState->m_dcs.TemporaryCount() + pState->m_gdiObjects.TemporaryCount()
           + pState->m_menus.TemporaryCount();
}
