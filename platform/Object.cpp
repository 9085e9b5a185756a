#include "platform/Object.h"

#include <cstring>
#include <mutex>
#include <vector>

#include "platform/StringConversion.h"

namespace {

struct Registry {
    std::mutex lock;
    std::vector<CRuntimeClass*> classes;
};

// Built on first use: registrations run during static initialisation in any order.
Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

} // namespace

const CRuntimeClass CObject::classCObject = { "CObject", sizeof(CObject), 0xFFFF, nullptr, nullptr };
static const zel::RuntimeClassRegistration zelRuntimeClass_CObject(RUNTIME_CLASS(CObject));

zel::RuntimeClassRegistration::RuntimeClassRegistration(CRuntimeClass* cls)
{
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> hold(r.lock);
    r.classes.push_back(cls);
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CObject);
}

BOOL CObject::IsKindOf(const CRuntimeClass* cls) const
{
    return GetRuntimeClass()->IsDerivedFrom(cls);
}

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const
{
    for (const CRuntimeClass* c = this; c; c = c->m_pBaseClass)
        if (c == base)
            return TRUE;
    return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR className)
{
    if (!className)
        return nullptr;
    Registry& r = TheRegistry();
    std::lock_guard<std::mutex> hold(r.lock);
    for (CRuntimeClass* c : r.classes)
        if (std::strcmp(c->m_lpszClassName, className) == 0)
            return c;
    return nullptr;
}

CRuntimeClass* CRuntimeClass::FromName(LPCWSTR className)
{
    return className ? FromName(zel::ToMultiByteString(className, -1, CP_UTF8).c_str()) : nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCSTR className)
{
    CRuntimeClass* c = FromName(className);
    return c ? c->CreateObject() : nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCWSTR className)
{
    CRuntimeClass* c = FromName(className);
    return c ? c->CreateObject() : nullptr;
}
