#include "framework/SingleDocTemplate.h"

#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                       CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    delete m_pOnlyDoc;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible)
{
    if (m_pOnlyDoc && m_pOnlyDoc->GetViews().empty()) {
        // Its frame is gone: start afresh.
        delete m_pOnlyDoc;
        m_pOnlyDoc = nullptr;
    }
    if (m_pOnlyDoc) {
        BOOL bOk = lpszPathName ? m_pOnlyDoc->OnOpenDocument(lpszPathName) : m_pOnlyDoc->OnNewDocument();
        return bOk ? m_pOnlyDoc : nullptr;
    }

    CDocument* pDoc = CreateNewDocument();
    if (!pDoc)
        return nullptr;
    CFrameWnd* pFrame = CreateNewFrame(pDoc, nullptr);
    if (!pFrame) {
        delete pDoc;
        return nullptr;
    }
    BOOL bOk = lpszPathName ? pDoc->OnOpenDocument(lpszPathName) : pDoc->OnNewDocument();
    if (!bOk) {
        pFrame->DestroyWindow();
        delete pDoc;
        return nullptr;
    }
    m_pOnlyDoc = pDoc;
    CWinApp* pApp = AfxGetApp();
    if (pApp && !pApp->m_pMainWnd)
        pApp->m_pMainWnd = pFrame;
    InitialUpdateFrame(pFrame, pDoc, bMakeVisible);
    return pDoc;
}
