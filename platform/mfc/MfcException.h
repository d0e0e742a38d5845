#pragma once
// MFC's exceptions are thrown as heap pointers and freed with Delete().
#include "MfcExport.h"

class GVMFC_API CException
{
public:
    virtual ~CException();
    void Delete() { delete this; }
};

class GVMFC_API CNotSupportedException : public CException
{};

// Thrown by CDataExchange::Fail; UpdateData catches it and returns FALSE.
class GVMFC_API CUserException : public CException
{};

[[noreturn]] GVMFC_API void AfxThrowNotSupportedException();
[[noreturn]] GVMFC_API void AfxThrowUserException();
