#include "framework/FrameWnd.h"

#include "framework/ControlBar.h"
#include "framework/Document.h"
#include "framework/View.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    LPCSTR lpszResource = MAKEINTRESOURCEA(nIDResource);

    CString strFull;
    strFull.LoadString(nIDResource);
    int nNewline = strFull.Find('\n');
    m_strTitle = nNewline >= 0 ? strFull.Left(nNewline) : strFull;

    m_hAccelTable = ::LoadAcceleratorsA(hInst, lpszResource);
    HICON hIcon = ::LoadIconA(hInst, lpszResource);
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, (LPCSTR)IDC_ARROW),
                                           (HBRUSH)(COLOR_WINDOW + 1), hIcon);
    LPCSTR lpszMenu = ::FindResourceA(hInst, lpszResource, (LPCSTR)RT_MENU) ? lpszResource : nullptr;
    return Create(lpszClass, m_strTitle, dwDefaultStyle, rectDefault, pParentWnd, lpszMenu, 0, pContext);
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName) {
        hMenu = ::LoadMenuA(AfxGetResourceHandle(), lpszMenuName);
        if (!hMenu) {
            PostNcDestroy();
            return FALSE;
        }
    }
    if (!lpszClassName)
        lpszClassName = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, (LPCSTR)IDC_ARROW),
                                            (HBRUSH)(COLOR_WINDOW + 1));
    bool bDefault = CRect(rect) == rectDefault;
    int x = bDefault ? CW_USEDEFAULT : rect.left;
    int y = bDefault ? CW_USEDEFAULT : rect.top;
    int cx = bDefault ? CW_USEDEFAULT : rect.right - rect.left;
    int cy = bDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle & ~FWS_ADDTOTITLE, x, y, cx, cy,
                  pParentWnd ? pParentWnd->m_hWnd : nullptr, hMenu, pContext)) {
        // The object is gone; a menu that went with the window is gone too.
        if (hMenu && ::IsMenu(hMenu))
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CCreateContext* pContext = (CCreateContext*)lpCreateStruct->lpCreateParams;
    if (pContext && pContext->m_pNewViewClass && !CreateView(pContext))
        return -1;
    return 0;
}

CView* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    if (!pObject)
        return nullptr;
    if (!pObject->IsKindOf(RUNTIME_CLASS(CView))) {
        delete pObject;
        return nullptr;
    }
    CView* pView = static_cast<CView*>(pObject);
    // A view that cannot be made deletes itself.
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, nID, pContext))
        return nullptr;
    if (!m_pViewActive)
        m_pViewActive = pView;
    return pView;
}

CDocument* CFrameWnd::GetActiveDocument() const
{
    return m_pViewActive ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::DockControlBar(CControlBar*)
{
    RecalcLayout();
}

void CFrameWnd::RecalcLayout()
{
    CRect rc;
    GetClientRect(&rc);
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        CWnd* pWnd = FromHandlePermanent(hChild);
        if (!pWnd || !pWnd->IsKindOf(RUNTIME_CLASS(CControlBar)) || !(pWnd->GetStyle() & WS_VISIBLE))
            continue;
        CControlBar* pBar = static_cast<CControlBar*>(pWnd);
        int cy = pBar->CalcHeight();
        if (pBar->GetBarStyle() & CBRS_ALIGN_BOTTOM)
            rc.bottom -= cy;
        else
            rc.top += cy;
    }
    if (rc.bottom < rc.top)
        rc.bottom = rc.top;
    if (HWND hView = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST))
        ::MoveWindow(hView, rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_hAccelTable && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg);
    return FALSE;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode)
{
    // The view (which asks its document next), the frame, the application.
    if (m_pViewActive && m_pViewActive->OnCmdMsg(nID, nCode))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->OnCmdMsg(nID, nCode);
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}
