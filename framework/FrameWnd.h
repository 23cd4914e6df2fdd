// CFrameWnd: a top-level frame window with a title, menu, accelerators and
// icon from one resource id; it holds a view and control bars and routes
// commands through the view, the document, itself and the application.
#ifndef KORV_FW_FRAMEWND_H
#define KORV_FW_FRAMEWND_H

#include "framework/CreateContext.h"
#include "framework/Wnd.h"

class CControlBar;
class CView;

// Frame style bit (kept out of the window style): the document's name
// belongs in the title. This framework keeps the plain title.
#define FWS_ADDTOTITLE 0x00008000L

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const CRect rectDefault;  // the system chooses place and size

    HACCEL m_hAccelTable = nullptr;

    // Title: string nIDResource up to its first '\n'; menu, accelerator
    // table and icon: resources nIDResource (each where present). Calls
    // Create. On FALSE the frame object has deleted itself.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    // On FALSE the frame object has deleted itself.
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCSTR lpszMenuName = nullptr,
                        DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);

    CView* GetActiveView() const { return m_pViewActive; }
    CDocument* GetActiveDocument() const;

    // Control bars stay at the edge their style names (top or bottom).
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle; }
    void DockControlBar(CControlBar* pBar);
    // Bars at the top and bottom of the client area, the view in between.
    virtual void RecalcLayout();

    BOOL PreTranslateMessage(MSG* pMsg) override;  // the accelerators
    BOOL OnCmdMsg(UINT nID, int nCode) override;

protected:
    // Makes the view of pContext as child nID.
    CView* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void PostNcDestroy() override;  // deletes the frame object

    CView* m_pViewActive = nullptr;
    DWORD m_dwDockStyle = 0;
    CString m_strTitle;

    friend class CView;

    DECLARE_MESSAGE_MAP()
};

#endif
