#include "window_utils/GvMFCUtilitiesModule.h"
#include "platform/mfc/GvMfc.h"

// The library shares the host's layer: on load it records its instance and
// enters the resource chain; on unload it leaves it.
static AFX_EXTENSION_MODULE GvMFCUtilitiesDLL = {FALSE, nullptr, nullptr};

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(GvMFCUtilitiesDLL, hInstance))
            return FALSE;
        new CDynLinkLibrary(GvMFCUtilitiesDLL);
    } else if (dwReason == DLL_PROCESS_DETACH)
        AfxTermExtensionModule(GvMFCUtilitiesDLL);
    return TRUE;
}

HINSTANCE GvGetLibraryInstance()
{
    return GvMFCUtilitiesDLL.hModule;
}
