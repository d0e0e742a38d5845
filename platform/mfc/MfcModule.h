#pragma once
// The module state: the instance and resource handles of the host, and the
// resource chain that extension modules (DLLs sharing the host's layer) enter
// while they are loaded.
#include "MfcExport.h"

struct AFX_MODULE_STATE
{
    HINSTANCE m_hCurrentInstanceHandle;
    HINSTANCE m_hCurrentResourceHandle;
};

GVMFC_API AFX_MODULE_STATE* AfxGetModuleState();
GVMFC_API HINSTANCE AfxGetInstanceHandle();
GVMFC_API HINSTANCE AfxGetResourceHandle();
GVMFC_API void AfxSetResourceHandle(HINSTANCE hInstResource);
// The current resource handle first, then the modules of the chain.
GVMFC_API HINSTANCE AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType);

struct AFX_EXTENSION_MODULE
{
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
};

GVMFC_API BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Leaves the resource chain: deletes every CDynLinkLibrary made for the module.
GVMFC_API void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// One link of the resource chain; constructing it enters the module.
class GVMFC_API CDynLinkLibrary
{
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state);
    ~CDynLinkLibrary();
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    HMODULE m_hModule;
    HMODULE m_hResource;
    CDynLinkLibrary* m_pNextDLL;
};

// The first link of the chain (the most recently entered module), or null.
GVMFC_API CDynLinkLibrary* AfxGetFirstDynLinkLibrary();

GVMFC_API int AfxMessageBox(LPCWSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
GVMFC_API int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
