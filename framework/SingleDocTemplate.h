// CSingleDocTemplate: one document at a time, in one frame.
#ifndef KORV_FW_SINGLEDOCTEMPLATE_H
#define KORV_FW_SINGLEDOCTEMPLATE_H

#include "framework/DocTemplate.h"

class CSingleDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CSingleDocTemplate)
public:
    CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                       CRuntimeClass* pViewClass);
    ~CSingleDocTemplate() override;

    // The first time: makes the document, then its frame (a failure deletes
    // the document: null); the document starts (OnNewDocument or
    // OnOpenDocument; a failure destroys the frame and deletes the
    // document: null); the frame becomes the main window if there is none,
    // and is shown. Later: the same document starts over in its frame.
    CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) override;

    CDocument* GetDocument() const { return m_pOnlyDoc; }

protected:
    CDocument* m_pOnlyDoc = nullptr;
};

#endif
