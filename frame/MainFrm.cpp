// The hidden main frame: creation, teardown and the routing of the
// registered messages and menu commands.
#include "frame/MainFrm.h"

#include "frame/Messages.h"
#include "hooklib/korvhook.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_REGISTERED_MESSAGE(UWM_LBUTDOWN, &CMainFrame::OnLButDown)
    ON_REGISTERED_MESSAGE(UWM_MOUSEOVER, &CMainFrame::OnMouseOver)
    ON_REGISTERED_MESSAGE(UWM_LHIDETREE, &CMainFrame::OnLHideTree)
    ON_REGISTERED_MESSAGE(UWM_SHOWMENU, &CMainFrame::OnShowMenu)
    ON_REGISTERED_MESSAGE(UWM_SHOWHELPMENU, &CMainFrame::OnShowHelpMenu)
    ON_WM_CREATE()
    ON_COMMAND(ID_END_PROCESS, &CMainFrame::OnEndProcess)
    ON_COMMAND(ID_END_THREAD, &CMainFrame::OnEndThread)
    ON_COMMAND(ID_HIGHLIGHT_WINDOW, &CMainFrame::OnHighlightWindow)
    ON_COMMAND(ID_PROC_REALTIME, &CMainFrame::OnProcRealtime)
    ON_COMMAND(ID_PROC_HIGH, &CMainFrame::OnProcHigh)
    ON_COMMAND(ID_PROC_ABOVENORMAL, &CMainFrame::OnProcAboveNormal)
    ON_COMMAND(ID_PROC_NORMAL, &CMainFrame::OnProcNormal)
    ON_COMMAND(ID_PROC_BELOWNORMAL, &CMainFrame::OnProcBelowNormal)
    ON_COMMAND(ID_PROC_LOW, &CMainFrame::OnProcLow)
    ON_COMMAND(ID_THREAD_CRITICAL, &CMainFrame::OnThreadCritical)
    ON_COMMAND(ID_THREAD_HIGH, &CMainFrame::OnThreadHigh)
    ON_COMMAND(ID_THREAD_ABOVENORMAL, &CMainFrame::OnThreadAboveNormal)
    ON_COMMAND(ID_THREAD_NORMAL, &CMainFrame::OnThreadNormal)
    ON_COMMAND(ID_THREAD_BELOWNORMAL, &CMainFrame::OnThreadBelowNormal)
    ON_COMMAND(ID_THREAD_LOW, &CMainFrame::OnThreadLow)
    ON_COMMAND(ID_THREAD_IDLE, &CMainFrame::OnThreadIdle)
    ON_COMMAND(ID_WIN_VISIBLE, &CMainFrame::OnWinVisible)
    ON_COMMAND(ID_WIN_INVISIBLE, &CMainFrame::OnWinInvisible)
    ON_COMMAND(ID_COPY_PROCESS, &CMainFrame::OnCopyText)
    ON_COMMAND(ID_COPY_THREAD, &CMainFrame::OnCopyText)
    ON_COMMAND(ID_COPY_WINDOW, &CMainFrame::OnCopyText)
    ON_COMMAND(ID_CONTACT, &CMainFrame::OnContact)
    ON_COMMAND(ID_DONATE, &CMainFrame::OnDonate)
END_MESSAGE_MAP()

static const UINT indicators[] = {
    ID_SEPARATOR,
    ID_INDICATOR_CAPS,
    ID_INDICATOR_NUM,
    ID_INDICATOR_SCRL,
};

CMainFrame::CMainFrame() : m_pImageList(nullptr)
{
}

CMainFrame::~CMainFrame()
{
    if (m_pImageList)
        delete m_pImageList;
    m_dlgTree.DestroyWindow();
    if (!clearMyHook()) {
        CString text;
        text.Format("%d", (int)GetLastError());
        AfxMessageBox(text);
    }
}

BOOL CMainFrame::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    return CFrameWnd::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, lpszMenuName, dwExStyle,
                             pContext);
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;

    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY |
                                   CBRS_SIZE_DYNAMIC,
                               CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return -1;

    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(indicators, sizeof(indicators) / sizeof(UINT)))
        return -1;

    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);

    // The Start button: the topmost child of the taskbar whose title is
    // empty (an empty name, not a null one, which would match any title).
    HWND hTaskbar = ::FindWindowA("Shell_TrayWnd", "");
    HWND hStart = hTaskbar ? ::GetTopWindow(hTaskbar) : NULL;
    if (!hStart) {
        AfxMessageBox("init failed");
        return -1;
    }

    m_bmpOverlay.LoadBitmap(IDB_OVERLAY);
    m_dlgTree.Create(IDD_MENUDLG, this);

    m_pImageList = new CImageList;
    m_pImageList->Create(16, 15, ILC_MASK, 6, 4);

    setTreeVis(0);

    static const UINT images[] = {IDB_PROCESS, IDB_THREAD, IDB_WINDOW, IDB_WINDOW_HIDDEN};
    for (UINT id : images) {
        CBitmap bm;
        bm.LoadBitmap(id);
        m_pImageList->Add(&bm, RGB(255, 255, 255));
        bm.DeleteObject();
    }
    m_dlgTree.m_tree.SetImageList(m_pImageList, TVSIL_NORMAL);

    if (!setMyHook((int)(INT_PTR)m_hWnd, (int)(INT_PTR)hStart)) {
        CString text;
        text.Format("Init failed: %d", (int)GetLastError());
        AfxMessageBox(text);
    }
    return 0;
}

LRESULT CMainFrame::OnLHideTree(WPARAM, LPARAM)
{
    setTreeVis(0);
    m_dlgTree.ShowWindow(SW_HIDE);
    return 0;
}

LRESULT CMainFrame::OnMouseOver(WPARAM, LPARAM)
{
    PaintOverlay();
    return 0;
}

LRESULT CMainFrame::OnLButDown(WPARAM, LPARAM)
{
    PaintOverlay();
    RebuildTree();
    return 0;
}
