#include "framework/ToolTipCtrl.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

namespace {

// The tool record without the fields newer control versions added, which
// every version of the control accepts.
TOOLINFOA MakeToolInfo(CWnd* pWnd, UINT nIDTool, LPCSTR lpszText)
{
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = pWnd ? pWnd->m_hWnd : nullptr;
    ti.uId = nIDTool;
    ti.lpszText = const_cast<LPSTR>(lpszText);
    return ti;
}

} // namespace

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    return CWnd::CreateEx(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd ? pParentWnd->m_hWnd : nullptr, nullptr);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool, UINT nIDTool)
{
    if (!pWnd)
        return FALSE;
    TOOLINFOA ti = MakeToolInfo(pWnd, nIDTool, lpszText);
    if (lpRectTool)
        ti.rect = *lpRectTool;
    else
        pWnd->GetClientRect(&ti.rect);
    return (BOOL)SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti);
}

void CToolTipCtrl::UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT nIDTool)
{
    TOOLINFOA ti = MakeToolInfo(pWnd, nIDTool, lpszText);
    SendMessage(TTM_UPDATETIPTEXTA, 0, (LPARAM)&ti);
}
