#include "framework/WinThread.h"

#include "framework/Menu.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

void AfxDeleteTempMaps()
{
    CWnd::DeleteTempMap();
    CMenu::DeleteTempMap();
}

BOOL CWinThread::InitInstance()
{
    return TRUE;
}

int CWinThread::Run()
{
    while (PumpMessage())
        AfxDeleteTempMaps();
    return ExitInstance();
}

int CWinThread::ExitInstance()
{
    return m_msgCur.message == WM_QUIT ? (int)m_msgCur.wParam : 0;
}

BOOL CWinThread::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWinThread::PumpMessage()
{
    BOOL bRet = ::GetMessageA(&m_msgCur, nullptr, 0, 0);
    if (bRet == 0 || bRet == -1)
        return FALSE;
    for (HWND hWnd = m_msgCur.hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(&m_msgCur))
            return TRUE;
    }
    if (PreTranslateMessage(&m_msgCur))
        return TRUE;
    ::TranslateMessage(&m_msgCur);
    ::DispatchMessageA(&m_msgCur);
    return TRUE;
}
