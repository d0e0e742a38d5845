#pragma once
// Export macro of GvMfc.dll, the MFC-compatible layer shared by the host and
// the library so that both see one window map.
#if defined(GVMFC_EXPORTS)
#define GVMFC_API __declspec(dllexport)
#else
#define GVMFC_API __declspec(dllimport)
#endif

#include <windows.h>

// MFC's markers, kept so that declarations read the same.
#ifndef afx_msg
#define afx_msg
#endif
#ifndef AFX_MSG_CALL
#define AFX_MSG_CALL
#endif
