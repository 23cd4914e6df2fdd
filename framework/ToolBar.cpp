#include "framework/ToolBar.h"

#include <vector>

#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect, UINT nID)
{
    DWORD dwWndStyle = SplitStyle(dwStyle) | dwCtrlStyle | CCS_NODIVIDER;
    dwWndStyle |= (m_dwStyle & CBRS_ALIGN_BOTTOM) ? CCS_BOTTOM : CCS_TOP;
    if (m_dwStyle & CBRS_TOOLTIPS)
        dwWndStyle |= TBSTYLE_TOOLTIPS;
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT nIDResource)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    LPCSTR lpszResource = MAKEINTRESOURCEA(nIDResource);
    HRSRC hRsrc = ::FindResourceA(hInst, lpszResource, MAKEINTRESOURCEA(RT_TOOLBAR_ID));
    if (!m_hWnd || !hRsrc || !::FindResourceA(hInst, lpszResource, (LPCSTR)RT_BITMAP))
        return FALSE;
    const WORD* pData = (const WORD*)::LockResource(::LoadResource(hInst, hRsrc));
    DWORD cbData = ::SizeofResource(hInst, hRsrc);
    if (!pData || cbData < 4 * sizeof(WORD) || pData[0] != 1)
        return FALSE;
    WORD nWidth = pData[1], nHeight = pData[2], nItems = pData[3];
    if (cbData < (4 + (DWORD)nItems) * sizeof(WORD))
        return FALSE;
    const WORD* pIDs = pData + 4;

    std::vector<TBBUTTON> buttons(nItems);
    int nImages = 0;
    for (WORD i = 0; i < nItems; ++i) {
        TBBUTTON& b = buttons[i];
        b = TBBUTTON();
        if (pIDs[i] == 0) {
            b.fsStyle = BTNS_SEP;
        } else {
            b.iBitmap = nImages++;
            b.idCommand = pIDs[i];
            b.fsState = TBSTATE_ENABLED;
            b.fsStyle = BTNS_BUTTON;
        }
    }
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(nWidth, nHeight));
    if (nImages > 0) {
        TBADDBITMAP ab = {hInst, (UINT_PTR)nIDResource};
        if (SendMessage(TB_ADDBITMAP, nImages, (LPARAM)&ab) == -1)
            return FALSE;
    }
    if (nItems > 0 && !SendMessage(TB_ADDBUTTONSA, nItems, (LPARAM)buttons.data()))
        return FALSE;
    SendMessage(TB_AUTOSIZE);
    return TRUE;
}

int CToolBar::CalcHeight()
{
    SendMessage(TB_AUTOSIZE);
    CRect rc;
    GetWindowRect(&rc);
    return rc.Height();
}
