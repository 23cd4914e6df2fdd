#include "framework/WinApp.h"

#include <cstdlib>
#include <cstring>

#include <commdlg.h>

#include "framework/DocTemplate.h"
#include "framework/FileDialog.h"

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
END_MESSAGE_MAP()

namespace {

CWinApp* g_pApp;  // constant-initialised: valid while other static objects are made

char* DuplicateString(const char* psz)
{
    size_t n = strlen(psz) + 1;
    char* p = new char[n];
    memcpy(p, psz, n);
    return p;
}

} // namespace

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_hInstance(::GetModuleHandleA(nullptr)), m_lpCmdLine(const_cast<LPSTR>(""))
{
    if (lpszAppName)
        m_pszAppName = m_pszAppNameOwned = DuplicateString(lpszAppName);
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    for (CDocTemplate* pTemplate : m_templates)
        delete pTemplate;
    delete[] m_pszAppNameOwned;
    if (g_pApp == this)
        g_pApp = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWnd* AfxGetMainWnd()
{
    return g_pApp ? g_pApp->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle()
{
    return g_pApp ? g_pApp->m_hInstance : ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetInstanceHandle();
}

BOOL AfxWinInit(HINSTANCE hInstance, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return FALSE;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    if (!pApp->m_pszAppName) {
        CString strTitle;
        if (!strTitle.LoadString(AFX_IDS_APP_TITLE)) {
            // No title resource: the program file's name without its extension.
            char szPath[MAX_PATH] = "";
            ::GetModuleFileNameA(hInstance, szPath, MAX_PATH);
            strTitle = szPath;
            strTitle = strTitle.Mid(strTitle.ReverseFind('\\') + 1);
            int nDot = strTitle.ReverseFind('.');
            if (nDot > 0)
                strTitle = strTitle.Left(nDot);
        }
        pApp->m_pszAppName = pApp->m_pszAppNameOwned = DuplicateString(strTitle);
    }
    return TRUE;
}

int AfxWinMain(HINSTANCE hInstance, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp || !AfxWinInit(hInstance, lpCmdLine, nCmdShow))
        return -1;
    if (!pApp->InitInstance()) {
        if (pApp->m_pMainWnd)
            pApp->m_pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, lpCmdLine, nCmdShow);
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    return CWinThread::Run();
}

int CWinApp::ExitInstance()
{
    return CWinThread::ExitInstance();
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (pTemplate)
        m_templates.push_back(pTemplate);
}

CDocument* CWinApp::OpenDocumentFile(LPCSTR lpszFileName)
{
    return m_templates.empty() ? nullptr : m_templates[0]->OpenDocumentFile(lpszFileName);
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    m_nMaxMRU = nMaxMRU;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    for (int i = 1; i < __argc; ++i) {
        const char* pszParam = __argv[i];
        BOOL bFlag = pszParam[0] == '-' || pszParam[0] == '/';
        rCmdInfo.ParseParam(bFlag ? pszParam + 1 : pszParam, bFlag, i == __argc - 1);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND))
            OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    default:
        return TRUE;
    }
}

void CWinApp::OnFileNew()
{
    if (!m_templates.empty())
        m_templates[0]->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen()
{
    CFileDialog dlg(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, "All Files (*.*)|*.*||",
                    m_pMainWnd);
    if (dlg.DoModal() == IDOK)
        OpenDocumentFile(dlg.GetPathName());
}

void CWinApp::OnFilePrintSetup()
{
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    pd.Flags = PD_PRINTSETUP;
    ::PrintDlgA(&pd);
    if (pd.hDevMode)
        ::GlobalFree(pd.hDevMode);
    if (pd.hDevNames)
        ::GlobalFree(pd.hDevNames);
}
