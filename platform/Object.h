#pragma once
// The common base of the class library with run-time class information: a class that declares
// DECLARE_DYNAMIC (or DECLARE_DYNCREATE) in its body and IMPLEMENT_DYNAMIC(cls, base) (or
// IMPLEMENT_DYNCREATE) in its source can be asked IsKindOf(RUNTIME_CLASS(x)) and, with
// DYNCREATE, created from its class description or its name.
#include <windows.h>

class CObject;

struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject* (*m_pfnCreateObject)();
    CRuntimeClass* m_pBaseClass;

    // A new object of this class, or null when the class was not declared creatable.
    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* base) const;

    // Classes implemented in the program, found by name (null when unknown).
    static CRuntimeClass* FromName(LPCSTR className);
    static CRuntimeClass* FromName(LPCWSTR className);
    static CObject* CreateObject(LPCSTR className);
    static CObject* CreateObject(LPCWSTR className);
};

class CObject {
public:
    virtual ~CObject() = default;
    virtual CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* cls) const;
    // Checked by ASSERT_VALID in debug builds.
    virtual void AssertValid() const {}

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;

private:
    // Objects of the class library have identity (windows, lists, ...): copy what you mean to.
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

namespace zel {
// Makes a class findable by CRuntimeClass::FromName; used by the IMPLEMENT_ macros.
struct RuntimeClassRegistration {
    explicit RuntimeClassRegistration(CRuntimeClass* cls);
};
} // namespace zel

#define RUNTIME_CLASS(class_name) (const_cast<CRuntimeClass*>(&class_name::class##class_name))

#define DECLARE_DYNAMIC(class_name)                  \
public:                                              \
    static const CRuntimeClass class##class_name;    \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, create)                              \
    const CRuntimeClass class_name::class##class_name = { #class_name, sizeof(class_name), schema, create, \
                                                          RUNTIME_CLASS(base_class_name) };               \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }             \
    static const ::zel::RuntimeClassRegistration zelRuntimeClass_##class_name(RUNTIME_CLASS(class_name));

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                 \
    CObject* class_name::CreateObject() { return new class_name; }     \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)
