#include "framework/StatusBar.h"

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

namespace {
const int kIndicatorWidth = 60;
}

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    DWORD dwWndStyle = SplitStyle(dwStyle);
    dwWndStyle |= (m_dwStyle & CBRS_ALIGN_TOP) ? CCS_TOP : CCS_BOTTOM;
    return CWnd::CreateEx(0, STATUSCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    if (!m_hWnd || !lpIDArray || nIDCount <= 0 || nIDCount > 255)
        return FALSE;
    m_indicators.assign(lpIDArray, lpIDArray + nIDCount);
    UpdateParts();
    for (int i = 0; i < nIDCount; ++i) {
        CString strText;
        if (lpIDArray[i] != ID_SEPARATOR)
            strText.LoadString(lpIDArray[i]);
        SendMessage(SB_SETTEXTA, i, (LPARAM)(LPCSTR)strText);
    }
    return TRUE;
}

void CStatusBar::UpdateParts()
{
    if (m_indicators.empty())
        return;
    CRect rc;
    GetClientRect(&rc);
    int nFixed = 0;
    for (UINT id : m_indicators)
        nFixed += id == ID_SEPARATOR ? 0 : kIndicatorWidth;
    int nFree = rc.Width() - nFixed;
    if (nFree < 0)
        nFree = 0;
    std::vector<int> edges;
    int x = 0;
    for (UINT id : m_indicators) {
        x += id == ID_SEPARATOR ? nFree : kIndicatorWidth;
        edges.push_back(x);
    }
    edges.back() = -1;  // the last part reaches the right edge
    SendMessage(SB_SETPARTS, edges.size(), (LPARAM)edges.data());
}

int CStatusBar::CalcHeight()
{
    SendMessage(WM_SIZE);
    UpdateParts();
    CRect rc;
    GetWindowRect(&rc);
    return rc.Height();
}
