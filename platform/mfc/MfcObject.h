#pragma once
// CObject and run-time classes with MFC's names and semantics: each class
// that declares itself DYNAMIC has one CRuntimeClass (name, size, base,
// creation function); IsKindOf walks the bases; DYNCREATE classes can be made
// from their CRuntimeClass. As in MFC's shared build, a class reaches its base
// through a function, so classes of other modules chain without data imports.
#include <type_traits>
#include "MfcExport.h"
#include "MfcDebug.h"

class CObject;

struct GVMFC_API CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                              // 0xFFFF: no serialisation schema
    CObject*(PASCAL* m_pfnCreateObject)();       // null: not creatable
    CRuntimeClass*(PASCAL* m_pfnGetBaseClass)(); // null for CObject

    // A new object of the class, or null when the class is not DYNCREATE or
    // the object could not be made.
    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

class GVMFC_API CObject
{
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = 0;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    // Declared in every build, so that a host and the DLL agree on the
    // virtual table whichever of them defines _DEBUG; their checks are
    // compiled in only where _DEBUG is defined.
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

    static const CRuntimeClass classCObject;
    static CRuntimeClass* PASCAL GetThisClass();

protected:
    CObject()
    {
    }
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name) \
protected: \
    static CRuntimeClass* PASCAL _GetBaseClass(); \
\
public: \
    static const CRuntimeClass class##class_name; \
    static CRuntimeClass* PASCAL GetThisClass(); \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name) \
    static CObject* PASCAL CreateObject();

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew) \
    CRuntimeClass* PASCAL class_name::_GetBaseClass() \
    { \
        static_assert(std::is_base_of<base_class_name, class_name>::value, "a run-time class names its base"); \
        return RUNTIME_CLASS(base_class_name); \
    } \
    const CRuntimeClass class_name::class##class_name = {#class_name, sizeof(class class_name), wSchema, pfnNew, \
                                                         &class_name::_GetBaseClass}; \
    CRuntimeClass* PASCAL class_name::GetThisClass() \
    { \
        return const_cast<CRuntimeClass*>(&class_name::class##class_name); \
    } \
    CRuntimeClass* class_name::GetRuntimeClass() const \
    { \
        return GetThisClass(); \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
    CObject* PASCAL class_name::CreateObject() \
    { \
        return new class_name; \
    } \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

// The object as class_name when it is one (IsKindOf), else null.
GVMFC_API CObject* AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);
#define DYNAMIC_DOWNCAST(class_name, object) \
    static_cast<class_name*>(AfxDynamicDownCast(RUNTIME_CLASS(class_name), object))
