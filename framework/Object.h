// The root class with run-time class information: each class that declares
// it has one CRuntimeClass record (name, base, and a create function when
// the class can be made by name).
#ifndef KORV_FW_OBJECT_H
#define KORV_FW_OBJECT_H

#include "framework/Platform.h"

class CArchive;
class CObject;

struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    CObject* (*m_pfnCreateObject)();  // null when the class cannot be made by name
    CRuntimeClass* m_pBaseClass;

    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                    \
public:                                                \
    static CRuntimeClass class##class_name;            \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                  \
    DECLARE_DYNAMIC(class_name)                        \
    static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, pfnNew)           \
    CRuntimeClass class_name::class##class_name = {                            \
        #class_name, (int)sizeof(class_name), pfnNew,                          \
        RUNTIME_CLASS(base_class_name)};                                       \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                       \
    CObject* class_name::CreateObject() { return new class_name; }            \
    IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, class_name::CreateObject)

class CObject {
public:
    virtual ~CObject() {}

    virtual CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    // Writes or reads the object through an archive; nothing by default.
    virtual void Serialize(CArchive& ar);

    static CRuntimeClass classCObject;

protected:
    CObject() {}

private:
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

#endif
