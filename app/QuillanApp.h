// CQuillanApp: the application object. It makes sure only one copy runs,
// creates the hidden main frame through a single-document template, gives
// the process the debug privilege and the high priority class, and shows
// the start-up tip when the setting file asks for it.
#ifndef KORV_APP_QUILLANAPP_H
#define KORV_APP_QUILLANAPP_H

#include "framework/fw.h"
#include "app/TipDlg.h"

// The single-instance mutex's name; the question marks belong to it.
#define KORV_MUTEX_NAME "qrwzkt_?_unieke_?_string_?_proc"

class CQuillanApp : public CWinApp {
public:
    CQuillanApp();
    ~CQuillanApp() override;
    BOOL InitInstance() override;
    int Run() override;
    int ExitInstance() override;

    CBitmap m_bmpTip;  // the tip picture, loaded only when the tip shows
    CTipDlg m_dlgTip;

protected:
    void ShowTipIfWanted();  // app/TipDecision.cpp
    void OnAppAbout();       // help/About.cpp
    DECLARE_MESSAGE_MAP()
};

// TRUE when the named privilege of the token is now enabled (or disabled,
// when bEnable is FALSE). Success is judged by GetLastError alone.
BOOL AdjustPrivilege(HANDLE hToken, LPCSTR lpszPrivilege, BOOL bEnable);

// The single-instance mutex, held for the life of the process.
extern HANDLE g_hInstanceMutex;

#endif
