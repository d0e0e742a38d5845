#pragma once
// Export macro of GvMfc.dll, the MFC-compatible layer shared by the host and
// the library so that both see one window map.
#if defined(GVMFC_EXPORTS)
#define GVMFC_API __declspec(dllexport)
#else
#define GVMFC_API __declspec(dllimport)
#endif

// The layer's names are the wide ones (SetWindowText is SetWindowTextW,
// LPCTSTR is LPCWSTR): without UNICODE a host would declare other members and
// signatures than GvMfc.dll exports.
#if !defined(UNICODE) || !defined(_UNICODE)
#error "GvMFCUtilities headers need UNICODE and _UNICODE defined (the package's CMake targets define them)"
#endif
#include <windows.h>

// MFC's markers, kept so that declarations read the same.
#ifndef afx_msg
#define afx_msg
#endif
#ifndef AFX_MSG_CALL
#define AFX_MSG_CALL
#endif
