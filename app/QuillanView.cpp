#include "app/QuillanView.h"

IMPLEMENT_DYNCREATE(CQuillanView, CView)

BEGIN_MESSAGE_MAP(CQuillanView, CView)
END_MESSAGE_MAP()

void CQuillanView::OnDraw(CDC*)
{
}
