#pragma once
// MFC's exceptions are thrown as heap pointers and freed with Delete().
#include "MfcExport.h"
#include "MfcObject.h"

class GVMFC_API CException : public CObject
{
    DECLARE_DYNAMIC(CException)

public:
    virtual ~CException();
    void Delete() { delete this; }
};

class GVMFC_API CNotSupportedException : public CException
{
    DECLARE_DYNAMIC(CNotSupportedException)
};

// Thrown by CDataExchange::Fail; UpdateData catches it and returns FALSE.
class GVMFC_API CUserException : public CException
{
    DECLARE_DYNAMIC(CUserException)
};

[[noreturn]] GVMFC_API void AfxThrowNotSupportedException();
[[noreturn]] GVMFC_API void AfxThrowUserException();
