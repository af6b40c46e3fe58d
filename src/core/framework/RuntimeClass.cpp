#include "core/framework/RuntimeClass.h"

#include <map>
#include <string>

const CRuntimeClass CObject::classCObject = {"CObject", 0xFFFF, nullptr, nullptr};

const CRuntimeClass* CObject::GetRuntimeClass() const {
    return RUNTIME_CLASS(CObject);
}

void CObject::Serialize(CArchive&) {}

bool CObject::IsKindOf(const CRuntimeClass* cls) const {
    return GetRuntimeClass()->IsDerivedFrom(cls);
}

std::unique_ptr<CObject> CRuntimeClass::CreateObject() const {
    return std::unique_ptr<CObject>(m_pfnCreateObject ? m_pfnCreateObject() : nullptr);
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
    for (const CRuntimeClass* c = this; c; c = c->m_pBaseClass)
        if (c == base)
            return true;
    return false;
}

namespace {
std::map<std::string, const CRuntimeClass*, std::less<>>& Registry() {
    static std::map<std::string, const CRuntimeClass*, std::less<>> registry;
    return registry;
}

void EnsureCoreRegistered() {
    static const bool done = [] {
        RegisterCoreClasses();
        return true;
    }();
    (void)done;
}
}  // namespace

void CRuntimeClass::Register(const CRuntimeClass* cls) {
    Registry().emplace(cls->m_lpszClassName, cls);
}

const CRuntimeClass* CRuntimeClass::FromName(std::string_view name) {
    EnsureCoreRegistered();
    auto it = Registry().find(name);
    return it == Registry().end() ? nullptr : it->second;
}
