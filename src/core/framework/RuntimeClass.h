// Run-time class records and the base of every serializable record.
//
// A class record gives a class's name, schema number, factory and base
// class.  The archive writes the name and schema of each class it stores and,
// on load, finds the record by name in the registry and creates objects with
// its factory.
#pragma once

#include <memory>
#include <string_view>

class CArchive;
class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    unsigned m_wSchema;               // 0xFFFF: not serializable
    CObject* (*m_pfnCreateObject)();  // null: cannot be created by name
    const CRuntimeClass* m_pBaseClass;

    std::unique_ptr<CObject> CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* base) const;

    // Adds a class to the registry (a second record of the same name is
    // ignored).  The core's record classes are registered before the first
    // look-up.
    static void Register(const CRuntimeClass* cls);
    // Finds a registered class by its exact, case-sensitive name.
    static const CRuntimeClass* FromName(std::string_view name);
};

class CObject {
public:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
    virtual ~CObject() = default;

    virtual const CRuntimeClass* GetRuntimeClass() const;
    // The base stores nothing.
    virtual void Serialize(CArchive& ar);

    bool IsKindOf(const CRuntimeClass* cls) const;

    static const CRuntimeClass classCObject;
};

#define RUNTIME_CLASS(name) (&name::class##name)

// Declares the class record of a serializable class (inside the class body).
#define DECLARE_SERIAL(name)                               \
public:                                                    \
    static const CRuntimeClass class##name;                \
    const CRuntimeClass* GetRuntimeClass() const override; \
    static CObject* CreateObject();                        \
    static const CRuntimeClass* ThisClass() {              \
        return &class##name;                               \
    }

// Defines it (in the class's source file).
#define IMPLEMENT_SERIAL(name, base, schema)                                                           \
    CObject* name::CreateObject() {                                                                    \
        return new name;                                                                               \
    }                                                                                                  \
    const CRuntimeClass name::class##name = {#name, schema, &name::CreateObject, RUNTIME_CLASS(base)}; \
    const CRuntimeClass* name::GetRuntimeClass() const {                                               \
        return RUNTIME_CLASS(name);                                                                    \
    }

// Registers the record classes of the core (defined with the records).
void RegisterCoreClasses();
