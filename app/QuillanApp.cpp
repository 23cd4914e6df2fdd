#include "app/QuillanApp.h"

#include "app/QuillanDoc.h"
#include "app/QuillanView.h"
#include "frame/MainFrm.h"
#include "res/resource.h"

HANDLE g_hInstanceMutex = NULL;

BEGIN_MESSAGE_MAP(CQuillanApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, &CQuillanApp::OnAppAbout)
    ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, &CWinApp::OnFileOpen)
    ON_COMMAND(ID_FILE_PRINT_SETUP, &CWinApp::OnFilePrintSetup)
END_MESSAGE_MAP()

// No name of its own: the title comes from string resource 57344.
CQuillanApp::CQuillanApp()
{
}

CQuillanApp::~CQuillanApp()
{
    m_dlgTip.DestroyWindow();
    m_bmpTip.DeleteObject();
}

BOOL CQuillanApp::InitInstance()
{
    g_hInstanceMutex = CreateMutexA(NULL, FALSE, KORV_MUTEX_NAME);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        AfxMessageBox("Program already running - stopping action");
        return FALSE;
    }

    InitCommonControls();
    CWinApp::InitInstance();

    if (!AfxOleInit()) {
        AfxMessageBox(IDP_OLE_INIT_FAILED);
        return FALSE;
    }
    AfxEnableControlContainer();
    LoadStdProfileSettings(4);

    CSingleDocTemplate* pDocTemplate = new CSingleDocTemplate(
        IDR_MAINFRAME, RUNTIME_CLASS(CQuillanDoc), RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CQuillanView));
    AddDocTemplate(pDocTemplate);

    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;

    // From here on the main window stays hidden.
    m_pMainWnd->ShowWindow(SW_HIDE);
    m_pMainWnd->UpdateWindow();

    HANDLE hToken = NULL;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &hToken) ||
        !AdjustPrivilege(hToken, "SeDebugPrivilege", TRUE)) {
        AfxMessageBox("Init Failed");
        return FALSE;
    }

    SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);

    ShowTipIfWanted();
    return TRUE;
}

int CQuillanApp::Run()
{
    return CWinApp::Run();
}

int CQuillanApp::ExitInstance()
{
    return CWinApp::ExitInstance();
}
