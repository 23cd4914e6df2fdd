#include "framework/DataExchange.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;
    HWND hWndCtrl = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, nIDC);
    if (!hWndCtrl || !rControl.SubclassWindow(hWndCtrl))
        pDX->m_bFailed = TRUE;
}
