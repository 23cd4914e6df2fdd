#include "framework/Pen.h"

IMPLEMENT_DYNAMIC(CPen, CGdiObject)

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    if (m_hObject)
        return FALSE;
    return AttachNew(::CreatePen(nPenStyle, nWidth, crColor));
}
