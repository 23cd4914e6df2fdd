// CPen: a GDI pen.
#ifndef KORV_FW_PEN_H
#define KORV_FW_PEN_H

#include "framework/GdiObject.h"

class CPen : public CGdiObject {
    DECLARE_DYNAMIC(CPen)
public:
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    operator HPEN() const { return (HPEN)m_hObject; }
};

#endif
