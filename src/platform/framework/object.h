#pragma once
// CObject: the common base of the framework's classes, and CRuntimeClass, the run-time class
// record that names a class, gives its schema and base class and, for dynamically creatable
// classes, makes a new object of it. Archives store class records by name and create objects from
// the names they read, so every creatable class registers its record in one process-wide list.
//
// Declaring a class:
//   class CFoo : public CObject { DECLARE_SERIAL(CFoo) ... };      // in the header
//   IMPLEMENT_SERIAL(CFoo, CObject, 1)                              // in one source file
// DECLARE_DYNAMIC / IMPLEMENT_DYNAMIC give a class record without creation (schema 0xFFFF, not
// serialisable); DECLARE_DYNCREATE / IMPLEMENT_DYNCREATE add creation but no serialisation.
#include "platform/win/windef.h"

class CArchive;
class CObject;

// The high bit of a class schema: objects of the class read older schemas themselves.
constexpr UINT VERSIONABLE_SCHEMA = 0x80000000u;

struct CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;  // 0xFFFF: not serialisable
    CObject* (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;

    // A new object of this class; null when the class is not creatable.
    CObject* CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* pBaseClass) const noexcept;
    bool IsSerializable() const noexcept { return m_wSchema != 0xFFFF; }

    // The class registered under a name (exact, case-sensitive), null when none is.
    static const CRuntimeClass* FromName(const char* lpszClassName) noexcept;
    static CObject* CreateObject(const char* lpszClassName);
};

// Registers a class record for creation by name while it lives; one static instance per
// creatable class. A record registered twice (a class linked into two modules) is found through
// the most recent registration that still lives.
class CClassRegistration {
public:
    explicit CClassRegistration(const CRuntimeClass* pClass);
    ~CClassRegistration();
    CClassRegistration(const CClassRegistration&) = delete;
    CClassRegistration& operator=(const CClassRegistration&) = delete;

private:
    const CRuntimeClass* m_pClass;
};

class CObject {
public:
    virtual const CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    // Writes or reads the object's data; the base writes and reads nothing.
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const {}

    bool IsKindOf(const CRuntimeClass* pClass) const noexcept;
    bool IsSerializable() const noexcept { return GetRuntimeClass()->IsSerializable(); }

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                 \
public:                                                             \
    static const CRuntimeClass class##class_name;                   \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)

#define KRX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, pfnNew)                     \
    const CRuntimeClass class_name::class##class_name = {#class_name, sizeof(class_name), schema,  \
                                                         pfnNew, RUNTIME_CLASS(base_class_name)}; \
    const CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    KRX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                  \
    CObject* class_name::CreateObject() { return new class_name; }                        \
    KRX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject) \
    static const CClassRegistration s_registration##class_name(RUNTIME_CLASS(class_name));

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                             \
    CObject* class_name::CreateObject() { return new class_name; }                         \
    KRX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject) \
    static const CClassRegistration s_registration##class_name(RUNTIME_CLASS(class_name));
