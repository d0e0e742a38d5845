#pragma once
// Debug checks, as MFC's. A debug build is one with _DEBUG defined (the
// win32 preset, which the tests run; win32-release leaves it out). There
// ASSERT and ASSERT_VALID report a failed check through AfxAssertFailedLine
// and VERIFY checks its expression; in a release build ASSERT and ASSERT_VALID
// are nothing (the expression is not evaluated) and VERIFY only evaluates.
// Only the macros depend on _DEBUG: the functions and classes below exist in
// every build of GvMfc.dll, so a host with or without _DEBUG links and runs
// against either build.
#include "MfcExport.h"

class CObject;
class CString;

// A failed check goes to the hook when one is set, and the program goes on
// (as after "Ignore"); without a hook it is written to stderr and the
// debugger output, and the program aborts.
typedef void (*AFX_ASSERT_HOOK)(LPCSTR lpszFileName, int nLine);
GVMFC_API AFX_ASSERT_HOOK AfxSetAssertHook(AFX_ASSERT_HOOK pfnHook);
GVMFC_API void AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
// Fails for a null object, else runs its AssertValid (whose own checks are
// those compiled into the module that defines it).
GVMFC_API void AfxAssertValidObject(const CObject* pOb, LPCSTR lpszFileName, int nLine);

// Where Dump writes: the debugger output (afxDump), or a string.
class GVMFC_API CDumpContext
{
public:
    explicit CDumpContext(CString* pText = nullptr) : m_pText(pText) {}
    CDumpContext& operator<<(LPCSTR lpsz);
    CDumpContext& operator<<(LPCWSTR lpsz);
    CDumpContext& operator<<(int n);
    CDumpContext& operator<<(const void* p);

private:
    CString* m_pText;
};
extern GVMFC_API CDumpContext afxDump;

#ifdef _DEBUG
#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailedLine(__FILE__, __LINE__))
#define VERIFY(f) ASSERT(f)
#define ASSERT_VALID(pOb) AfxAssertValidObject(pOb, __FILE__, __LINE__)
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(pOb) ((void)0)
#endif
