#pragma once
// Export macro of GvEdit.dll, the editor control, which sits beside GvMfc.dll
// as a vendor's control library would.
#if defined(GVEDIT_EXPORTS)
#define GVEDIT_API __declspec(dllexport)
#else
#define GVEDIT_API __declspec(dllimport)
#endif
