#include "framework/Wnd.h"

#include <cstdio>
#include <cstring>
#include <map>

#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);

namespace {

// The maps are never freed: objects with static storage may still look
// themselves up while the program exits.
std::map<HWND, CWnd*>& PermanentMap()
{
    static auto* map = new std::map<HWND, CWnd*>;
    return *map;
}

std::map<HWND, CWnd*>& TemporaryMap()
{
    static auto* map = new std::map<HWND, CWnd*>;
    return *map;
}

MSG g_msgCur;               // the message being handled, for Default()
CWnd* g_pWndInit;           // the object waiting for the window being created
HHOOK g_hHookCbt;
int g_nHookDepth;

LRESULT CALLBACK CbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND && g_pWndInit) {
        HWND hWnd = (HWND)wParam;
        char szClass[16] = "";
        ::GetClassNameA(hWnd, szClass, sizeof szClass);
        // The system may create a thread's input-method window on the side.
        bool bImeWindow = lstrcmpiA(szClass, "IME") == 0 || strncmp(szClass, "MSCTFIME", 8) == 0;
        if (!bImeWindow) {
            CWnd* pWnd = g_pWndInit;
            g_pWndInit = nullptr;
            pWnd->SubclassWindow(hWnd);
        }
    }
    return ::CallNextHookEx(g_hHookCbt, nCode, wParam, lParam);
}

} // namespace

void AfxHookWindowCreate(CWnd* pWnd)
{
    if (!g_hHookCbt)
        g_hHookCbt = ::SetWindowsHookExA(WH_CBT, CbtFilterHook, nullptr, ::GetCurrentThreadId());
    ++g_nHookDepth;
    g_pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate()
{
    BOOL bReached = g_pWndInit == nullptr;
    g_pWndInit = nullptr;
    if (--g_nHookDepth == 0 && g_hHookCbt) {
        ::UnhookWindowsHookEx(g_hHookCbt);
        g_hHookCbt = nullptr;
    }
    return bReached;
}

LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static char szName[96];
    HINSTANCE hInst = AfxGetInstanceHandle();
    snprintf(szName, sizeof szName, "KorvFw:%p:%x:%p:%p:%p", (void*)hInst, nClassStyle, (void*)hCursor,
             (void*)hbrBackground, (void*)hIcon);
    WNDCLASSA wc;
    if (!::GetClassInfoA(hInst, szName, &wc)) {
        wc = WNDCLASSA();
        wc.style = nClassStyle;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = hInst;
        wc.hIcon = hIcon;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.lpszClassName = szName;
        if (!::RegisterClassA(&wc))
            return nullptr;
    }
    return szName;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);

    MSG saved = g_msgCur;
    g_msgCur.hwnd = hWnd;
    g_msgCur.message = nMsg;
    g_msgCur.wParam = wParam;
    g_msgCur.lParam = lParam;
    LRESULT lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
        pWnd->NcDestroyed();
    g_msgCur = saved;
    return lResult;
}

CWnd::~CWnd()
{
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
        if (m_pfnSuper)
            ::DestroyWindow(m_hWnd);  // our window: it must not outlive its object
        if (m_hWnd)
            Detach();
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    auto& map = PermanentMap();
    auto it = map.find(hWnd);
    return it == map.end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (!hWnd)
        return nullptr;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    auto& temp = TemporaryMap();
    auto it = temp.find(hWnd);
    if (it != temp.end())
        return it->second;
    CWnd* pWnd = new CWnd;
    pWnd->m_hWnd = hWnd;
    temp[hWnd] = pWnd;
    return pWnd;
}

void CWnd::DeleteTempMap()
{
    auto& temp = TemporaryMap();
    for (auto& entry : temp) {
        entry.second->m_hWnd = nullptr;
        delete entry.second;
    }
    temp.clear();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (!hWndNew || m_hWnd || FromHandlePermanent(hWndNew))
        return FALSE;
    PermanentMap()[hWndNew] = this;
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd && FromHandlePermanent(hWnd) == this)
        PermanentMap().erase(hWnd);
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    WNDPROC pfnOld = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    if (!pfnOld || pfnOld == AfxWndProc) {
        Detach();
        return FALSE;
    }
    m_pfnSuper = pfnOld;
    return TRUE;
}

void CWnd::NcDestroyed()
{
    HWND hWnd = m_hWnd;
    if (m_pfnSuper && (WNDPROC)::GetWindowLongPtrA(hWnd, GWLP_WNDPROC) == AfxWndProc)
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = nullptr;
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this) {
        pApp->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);  // the main window is gone: end the message loop
    }
    Detach();
    PostNcDestroy();
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd)
        return FALSE;
    if (!lpszClassName)
        lpszClassName = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, (LPCSTR)IDC_ARROW),
                                            (HBRUSH)(COLOR_WINDOW + 1));
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, nWidth, nHeight,
                                  hWndParent, nIDorHMenu, AfxGetInstanceHandle(), lpParam);
    if (!AfxUnhookWindowCreate()) {
        // No window reached this object.
        if (hWnd)
            ::DestroyWindow(hWnd);
        PostNcDestroy();
        return FALSE;
    }
    // Without a window, creation failed after the window's first messages,
    // and WM_NCDESTROY has already been through PostNcDestroy.
    return hWnd != nullptr;
}

BOOL CWnd::DestroyWindow()
{
    HWND hWnd = m_hWnd;
    if (!hWnd)
        return FALSE;
    bool bPermanent = FromHandlePermanent(hWnd) == this;
    BOOL bResult = ::DestroyWindow(hWnd);
    // The object may have deleted itself; it is still valid only if still mapped.
    // A window that was only attached sent its WM_NCDESTROY elsewhere.
    if (bPermanent && FromHandlePermanent(hWnd) == this && !::IsWindow(hWnd))
        Detach();
    return bResult;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
    } else if (message == WM_NOTIFY) {
        if (!OnNotify(wParam, lParam, &lResult))
            return FALSE;
    } else {
        const AFX_MSGMAP_ENTRY* e = FindEntry(GetMessageMap(), message, 0, 0);
        if (!e)
            return FALSE;
        switch (e->nSig) {
        case AfxSig_vv:
            (this->*reinterpret_cast<void (CWnd::*)()>(e->pfn))();
            break;
        case AfxSig_lwl:
            lResult = (this->*reinterpret_cast<LRESULT (CWnd::*)(WPARAM, LPARAM)>(e->pfn))(wParam, lParam);
            break;
        case AfxSig_is:
            lResult = (this->*reinterpret_cast<int (CWnd::*)(LPCREATESTRUCT)>(e->pfn))((LPCREATESTRUCT)lParam);
            break;
        case AfxSig_vwii:
            (this->*reinterpret_cast<void (CWnd::*)(UINT, int, int)>(e->pfn))(
                (UINT)wParam, (int)LOWORD(lParam), (int)HIWORD(lParam));
            break;
        case AfxSig_vwp:
            (this->*reinterpret_cast<void (CWnd::*)(UINT, CPoint)>(e->pfn))((UINT)wParam, CPoint(lParam));
            break;
        default:
            return FALSE;
        }
    }
    if (pResult)
        *pResult = lResult;
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(g_msgCur.message, g_msgCur.wParam, g_msgCur.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    int nCode = lParam ? HIWORD(wParam) : CN_COMMAND;  // menus and accelerators send no control
    return OnCmdMsg(nID, nCode);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    if (!pNMHDR)
        return FALSE;
    const AFX_MSGMAP_ENTRY* e = FindEntry(GetMessageMap(), WM_NOTIFY, pNMHDR->code, (UINT)pNMHDR->idFrom);
    if (!e)
        return FALSE;
    *pResult = 0;
    (this->*reinterpret_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(e->pfn))(pNMHDR, pResult);
    return TRUE;
}

void CWnd::PostNcDestroy()
{
}

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return (int)Default();
}

void CWnd::OnSize(UINT, int, int)
{
    Default();
}

void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}

void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}

void CWnd::OnPaint()
{
    Default();
}

void CWnd::OnClose()
{
    Default();
}

void CWnd::OnDestroy()
{
    Default();
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : nullptr, x, y, cx, cy, nFlags);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}

CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, HRGN hrgnUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, hrgnUpdate, flags);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, (LPPOINT)lpRect, 2);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, nullptr, (LPPOINT)lpRect, 2);
}

int CWnd::GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const
{
    return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const
{
    int nLen = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, rString.GetBuffer(nLen), nLen + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetScrollLimit(int nBar) const
{
    if (nBar == SB_HORZ && !(GetStyle() & WS_HSCROLL))
        return 0;
    if (nBar == SB_VERT && !(GetStyle() & WS_VSCROLL))
        return 0;
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE;
    if (!::GetScrollInfo(m_hWnd, nBar, &si) || si.nMax <= si.nMin)
        return 0;
    int nLimit = si.nMax;
    if (si.nPage > 0)
        nLimit -= (int)si.nPage - 1;
    return nLimit > si.nMin ? nLimit : si.nMin;
}
