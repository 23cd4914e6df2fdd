#include "framework/View.h"

#include "framework/CreateContext.h"
#include "framework/DC.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
    if (m_pFrame && m_pFrame->m_pViewActive == this)
        m_pFrame->m_pViewActive = nullptr;
}

int CView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CWnd* pParent = FromHandlePermanent(::GetParent(m_hWnd));
    if (pParent && pParent->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        m_pFrame = static_cast<CFrameWnd*>(pParent);
    CCreateContext* pContext = (CCreateContext*)lpCreateStruct->lpCreateParams;
    if (pContext && pContext->m_pCurrentDoc)
        pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDraw(CDC*)
{
}

void CView::OnInitialUpdate()
{
    Invalidate(TRUE);
}

BOOL CView::OnCmdMsg(UINT nID, int nCode)
{
    if (CWnd::OnCmdMsg(nID, nCode))
        return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode);
}

void CView::OnFilePrint()
{
}

void CView::OnFilePrintPreview()
{
}

void CView::OnPaint()
{
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    CDC dc;
    dc.Attach(hDC);
    OnDraw(&dc);
    dc.Detach();
    ::EndPaint(m_hWnd, &ps);
}

void CView::PostNcDestroy()
{
    delete this;
}
