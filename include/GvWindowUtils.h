#pragma once
// Window utilities of GvMFCUtilities.dll: the resource guard, the scroll
// window and the icon menu.
#include <windows.h>
#include "GvMFCUtilitiesExport.h"
#include "GvMessages.h"
#include "window_utils/GvScrollWnd.h"
#include "window_utils/GvIconMenu.h"

/// Scope guard of the current resource handle: the constructor saves the
/// current handle and makes hInstance current, the destructor restores the
/// saved one. A copy restores the same saved handle.
class GVMFCUTILITIES_API GvUtilSetResourceHandle
{
public:
    /// Makes hInstance (GvGetLibraryInstance() for the library's templates) the current resource handle until the guard
    /// is destroyed.
    explicit GvUtilSetResourceHandle(HINSTANCE hInstance);
    ~GvUtilSetResourceHandle();

private:
    HINSTANCE m_savedHandle;
};
