#include "framework/MessageBox.h"

#include "framework/WinApp.h"

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT)
{
    CString strCaption;
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pszAppName)
        strCaption = pApp->m_pszAppName;
    else
        strCaption.LoadString(AFX_IDS_APP_TITLE);
    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hWndOwner = pMainWnd ? pMainWnd->m_hWnd : nullptr;
    return ::MessageBoxA(hWndOwner, lpszText, strCaption, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strText;
    strText.LoadString(nIDPrompt);
    return AfxMessageBox(strText, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}
