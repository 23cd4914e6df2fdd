// CView: the child window of a frame that shows a document.
#ifndef KORV_FW_VIEW_H
#define KORV_FW_VIEW_H

#include "framework/Wnd.h"

class CDC;
class CDocument;
class CFrameWnd;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    virtual void OnDraw(CDC* pDC);    // paints the view; nothing by default
    virtual void OnInitialUpdate();   // the frame is about to be shown: repaint

    // The view's own map, then its document's.
    BOOL OnCmdMsg(UINT nID, int nCode) override;

    // Standard print commands (ID_FILE_PRINT, ID_FILE_PRINT_DIRECT,
    // ID_FILE_PRINT_PREVIEW) for a view's message map. This framework does
    // not print: they do nothing.
    void OnFilePrint();
    void OnFilePrintPreview();

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);  // joins the document of the create context
    void OnPaint();
    void PostNcDestroy() override;  // deletes the view object

    CDocument* m_pDocument = nullptr;
    CFrameWnd* m_pFrame = nullptr;

    friend class CDocument;

    DECLARE_MESSAGE_MAP()
};

#endif
