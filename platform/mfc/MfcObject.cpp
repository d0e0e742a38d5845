#include "MfcObject.h"
#include "MfcString.h"
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

CObject* CRuntimeClass::CreateObject()
{
    if (!m_pfnCreateObject)
        return nullptr;
    try {
        return m_pfnCreateObject();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* p = this; p; p = p->m_pfnGetBaseClass ? p->m_pfnGetBaseClass() : nullptr)
        if (p == pBaseClass)
            return TRUE;
    return FALSE;
}

const CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF, nullptr, nullptr};

CRuntimeClass* PASCAL CObject::GetThisClass()
{
    return const_cast<CRuntimeClass*>(&classCObject);
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return GetThisClass();
}

CObject::~CObject()
{
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

CObject* AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    return pObject && pObject->IsKindOf(pClass) ? pObject : nullptr;
}

void CObject::AssertValid() const
{
}

void CObject::Dump(CDumpContext& dc) const
{
    dc << "a " << GetRuntimeClass()->m_lpszClassName << " at " << static_cast<const void*>(this) << "\n";
}

namespace {
AFX_ASSERT_HOOK s_pfnAssertHook = nullptr;
}

AFX_ASSERT_HOOK AfxSetAssertHook(AFX_ASSERT_HOOK pfnHook)
{
    AFX_ASSERT_HOOK old = s_pfnAssertHook;
    s_pfnAssertHook = pfnHook;
    return old;
}

void AfxAssertFailedLine(LPCSTR lpszFileName, int nLine)
{
    if (s_pfnAssertHook) {
        s_pfnAssertHook(lpszFileName, nLine);
        return;
    }
    char text[512];
    std::snprintf(text, sizeof text, "%s(%d): assertion failed\n", lpszFileName, nLine);
    std::fputs(text, stderr);
    ::OutputDebugStringA(text);
    std::abort();
}

void AfxAssertValidObject(const CObject* pOb, LPCSTR lpszFileName, int nLine)
{
    if (!pOb) {
        AfxAssertFailedLine(lpszFileName, nLine);
        return;
    }
    pOb->AssertValid();
}

CDumpContext afxDump;

CDumpContext& CDumpContext::operator<<(LPCWSTR lpsz)
{
    if (!lpsz)
        lpsz = L"(null)";
    if (m_pText)
        *m_pText += lpsz;
    else
        ::OutputDebugStringW(lpsz);
    return *this;
}

// Class names and the texts of Dump are ASCII.
CDumpContext& CDumpContext::operator<<(LPCSTR lpsz)
{
    if (!lpsz)
        return *this << static_cast<LPCWSTR>(nullptr);
    std::wstring wide;
    for (; *lpsz; ++lpsz)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(*lpsz));
    return *this << wide.c_str();
}

CDumpContext& CDumpContext::operator<<(int n)
{
    wchar_t text[16];
    std::swprintf(text, 16, L"%d", n);
    return *this << text;
}

CDumpContext& CDumpContext::operator<<(const void* p)
{
    wchar_t text[24];
    std::swprintf(text, 24, L"$%p", p);
    return *this << text;
}
