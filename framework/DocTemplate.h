// CDocTemplate: makes a document with its frame and view from three
// run-time classes and one resource id.
#ifndef KORV_FW_DOCTEMPLATE_H
#define KORV_FW_DOCTEMPLATE_H

#include "framework/CmdTarget.h"

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)
public:
    // lpszPathName null: a new document; else the document read from that file.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;

    virtual CDocument* CreateNewDocument();
    // A frame (with its view) for pDoc, by LoadFrame(resource id,
    // WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE); null when it cannot be made.
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    // The view's initial update; when visible, the frame is shown with the
    // application's show state and updated.
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);

protected:
    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                 CRuntimeClass* pViewClass);

    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
};

#endif
