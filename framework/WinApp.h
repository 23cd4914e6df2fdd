// CWinApp: the program's one application object. The framework's WinMain
// finds it (its constructor registers it), initialises it, runs
// InitInstance and then the message loop.
#ifndef KORV_FW_WINAPP_H
#define KORV_FW_WINAPP_H

#include <vector>

#include "framework/CommandLineInfo.h"
#include "framework/WinThread.h"

class CDocTemplate;
class CDocument;

class CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)
public:
    // lpszAppName null: the application title is string AFX_IDS_APP_TITLE.
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    HINSTANCE m_hInstance;
    LPSTR m_lpCmdLine;
    int m_nCmdShow = SW_SHOWNORMAL;
    LPCSTR m_pszAppName = nullptr;  // the application title

    BOOL InitInstance() override;
    int Run() override;
    int ExitInstance() override;

    // The application owns the templates it is given.
    void AddDocTemplate(CDocTemplate* pTemplate);
    virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName);
    // Keeps the size of the recent-file list; the list itself is not stored.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    UINT GetMaxMRU() const { return m_nMaxMRU; }

    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // FileNew: ID_FILE_NEW (through the message map, else OnFileNew); FALSE
    // when no main window came of it. FileOpen: opens the named document.
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

    // Standard command handlers, for the application's message map.
    void OnFileNew();         // a new document through the first template
    void OnFileOpen();        // asks for a file and opens it
    void OnFilePrintSetup();  // the system's print setup dialog

private:
    UINT m_nMaxMRU = 0;
    std::vector<CDocTemplate*> m_templates;
    char* m_pszAppNameOwned = nullptr;

    friend BOOL AfxWinInit(HINSTANCE, LPSTR, int);

    DECLARE_MESSAGE_MAP()
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();

// Gives the application object its instance, command line and show state,
// and its title when it was constructed without one. WinMain does this
// before InitInstance.
BOOL AfxWinInit(HINSTANCE hInstance, LPSTR lpCmdLine, int nCmdShow);
int AfxWinMain(HINSTANCE hInstance, LPSTR lpCmdLine, int nCmdShow);

#endif
