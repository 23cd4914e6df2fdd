#include "framework/DocTemplate.h"

#include "framework/CreateContext.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/View.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
}

CDocument* CDocTemplate::CreateNewDocument()
{
    CObject* pObject = m_pDocClass ? m_pDocClass->CreateObject() : nullptr;
    if (!pObject)
        return nullptr;
    if (!pObject->IsKindOf(RUNTIME_CLASS(CDocument))) {
        delete pObject;
        return nullptr;
    }
    CDocument* pDoc = static_cast<CDocument*>(pObject);
    pDoc->m_pDocTemplate = this;
    return pDoc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    CObject* pObject = m_pFrameClass ? m_pFrameClass->CreateObject() : nullptr;
    if (!pObject)
        return nullptr;
    if (!pObject->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
        delete pObject;
        return nullptr;
    }
    CFrameWnd* pFrame = static_cast<CFrameWnd*>(pObject);
    CCreateContext context;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewDocTemplate = this;
    context.m_pCurrentFrame = pOther;
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;  // the frame has deleted itself
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument*, BOOL bMakeVisible)
{
    if (CView* pView = pFrame->GetActiveView())
        pView->OnInitialUpdate();
    if (bMakeVisible) {
        CWinApp* pApp = AfxGetApp();
        pFrame->ShowWindow(pApp ? pApp->m_nCmdShow : SW_SHOWNORMAL);
        pFrame->UpdateWindow();
    }
}
