// CGdiObject: a GDI object handle, deleted with its C++ object.
#ifndef KORV_FW_GDIOBJECT_H
#define KORV_FW_GDIOBJECT_H

#include "framework/Object.h"

class CGdiObject : public CObject {
    DECLARE_DYNAMIC(CGdiObject)
public:
    HGDIOBJ m_hObject = nullptr;

    ~CGdiObject() override;

    // FALSE (and nothing changes) when this object already holds a handle.
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }

protected:
    // Takes a newly made handle; releases it when it cannot be kept.
    BOOL AttachNew(HGDIOBJ hObject);
};

#endif
