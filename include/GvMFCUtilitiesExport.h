#pragma once
// The one export macro of GvMFCUtilities.dll. Natively (tests, tools) the
// library is static and the macro is empty.
#if defined(_WIN32)
#if defined(GVMFCUTILITIES_EXPORTS)
#define GVMFCUTILITIES_API __declspec(dllexport)
#else
/// Marks what GvMFCUtilities.dll exports (imports, for its users).
#define GVMFCUTILITIES_API __declspec(dllimport)
#endif
#else
#define GVMFCUTILITIES_API
#endif
