// CCreateContext: what a frame needs to make its view when it is created.
#ifndef KORV_FW_CREATECONTEXT_H
#define KORV_FW_CREATECONTEXT_H

#include "framework/Object.h"

class CDocTemplate;
class CDocument;
class CFrameWnd;

struct CCreateContext {
    CRuntimeClass* m_pNewViewClass = nullptr;  // the view to make; none when null
    CDocument* m_pCurrentDoc = nullptr;        // the document the view shows
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};

#endif
