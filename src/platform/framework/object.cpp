#include "platform/framework/object.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/framework/archive.h"

namespace {
// Never destroyed: registrations of other modules may end after this library's statics.
std::vector<const CRuntimeClass*>& Registered() {
    static auto* classes = new std::vector<const CRuntimeClass*>;
    return *classes;
}
}  // namespace

const CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF, nullptr, nullptr};

const CRuntimeClass* CObject::GetRuntimeClass() const { return &classCObject; }

void CObject::Serialize(CArchive&) {}

bool CObject::IsKindOf(const CRuntimeClass* pClass) const noexcept {
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

CObject* CRuntimeClass::CreateObject() const {
    return m_pfnCreateObject == nullptr ? nullptr : m_pfnCreateObject();
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const noexcept {
    if (pBaseClass == nullptr) return false;
    for (const CRuntimeClass* p = this; p != nullptr; p = p->m_pBaseClass)
        if (p == pBaseClass) return true;
    return false;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* lpszClassName) noexcept {
    if (lpszClassName == nullptr) return nullptr;
    const auto& classes = Registered();
    for (auto it = classes.rbegin(); it != classes.rend(); ++it)
        if (std::strcmp((*it)->m_lpszClassName, lpszClassName) == 0) return *it;
    return nullptr;
}

CObject* CRuntimeClass::CreateObject(const char* lpszClassName) {
    const CRuntimeClass* pClass = FromName(lpszClassName);
    return pClass == nullptr ? nullptr : pClass->CreateObject();
}

CClassRegistration::CClassRegistration(const CRuntimeClass* pClass) : m_pClass(pClass) {
    Registered().push_back(pClass);
}

CClassRegistration::~CClassRegistration() {
    auto& classes = Registered();
    auto it = std::find(classes.rbegin(), classes.rend(), m_pClass);
    if (it != classes.rend()) classes.erase(std::next(it).base());
}
