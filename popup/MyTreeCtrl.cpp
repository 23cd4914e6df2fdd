#include "popup/MyTreeCtrl.h"

IMPLEMENT_DYNAMIC(CMyTreeCtrl, CTreeCtrl)

BEGIN_MESSAGE_MAP(CMyTreeCtrl, CTreeCtrl)
    ON_WM_PAINT()
END_MESSAGE_MAP()

// The tree draws nothing of its own.
void CMyTreeCtrl::OnPaint()
{
    Default();
}
