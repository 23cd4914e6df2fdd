// The single-document machinery: the template makes document, frame and
// view; commands go view, document, frame, application; the main window's
// end ends the message loop; WinMain's handling of a failed InitInstance.
#include <string>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "fwtest_res.h"

namespace {

std::string g_log;
int g_docsAlive, g_framesAlive, g_viewsAlive;
bool g_failFrameCreate;

const UINT kCmdAll = 40600;       // view, document, frame and application
const UINT kCmdDocFrameApp = 40601;
const UINT kCmdFrameApp = 40602;
const UINT kCmdAppOnly = 40603;
const UINT kCmdNobody = 40604;

class CTestDoc : public CDocument {
    DECLARE_DYNCREATE(CTestDoc)
public:
    CTestDoc() { ++g_docsAlive; }
    ~CTestDoc() override { --g_docsAlive; }
    BOOL OnNewDocument() override
    {
        g_log += "new document;";
        return CDocument::OnNewDocument();
    }

protected:
    void OnCmd() { g_log += "doc;"; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestDoc, CDocument)
BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
    ON_COMMAND(kCmdAll, &CTestDoc::OnCmd)
    ON_COMMAND(kCmdDocFrameApp, &CTestDoc::OnCmd)
END_MESSAGE_MAP()

class CTestView : public CView {
    DECLARE_DYNCREATE(CTestView)
public:
    CTestView() { ++g_viewsAlive; }
    ~CTestView() override { --g_viewsAlive; }

protected:
    void OnCmd() { g_log += "view;"; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestView, CView)
BEGIN_MESSAGE_MAP(CTestView, CView)
    ON_COMMAND(kCmdAll, &CTestView::OnCmd)
END_MESSAGE_MAP()

class CTestFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CTestFrame)
public:
    CTestFrame() { ++g_framesAlive; }
    ~CTestFrame() override { --g_framesAlive; }

protected:
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        g_log += "frame created;";
        return g_failFrameCreate ? -1 : 0;
    }
    void OnCmd() { g_log += "frame;"; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(kCmdAll, &CTestFrame::OnCmd)
    ON_COMMAND(kCmdDocFrameApp, &CTestFrame::OnCmd)
    ON_COMMAND(kCmdFrameApp, &CTestFrame::OnCmd)
END_MESSAGE_MAP()

class CTestApp : public CWinApp {
public:
    explicit CTestApp(LPCSTR lpszName = "Test App") : CWinApp(lpszName) { m_nCmdShow = SW_SHOWNOACTIVATE; }
    BOOL InitInstance() override
    {
        g_log += "init;";
        CCommandLineInfo cmdInfo;
        AddDocTemplate(new CSingleDocTemplate(IDR_TESTFRAME, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestFrame),
                                              RUNTIME_CLASS(CTestView)));
        if (!ProcessShellCommand(cmdInfo))
            return FALSE;
        return !failInit;
    }
    int ExitInstance() override
    {
        g_log += "exit;";
        CWinApp::ExitInstance();
        return 7;
    }
    bool failInit = false;

protected:
    void OnCmd() { g_log += "app;"; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
    ON_COMMAND(kCmdAll, &CTestApp::OnCmd)
    ON_COMMAND(kCmdDocFrameApp, &CTestApp::OnCmd)
    ON_COMMAND(kCmdFrameApp, &CTestApp::OnCmd)
    ON_COMMAND(kCmdAppOnly, &CTestApp::OnCmd)
END_MESSAGE_MAP()

class DocFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_log.clear();
        g_failFrameCreate = false;
        DrainMessages();
    }
    void TearDown() override
    {
        if (app.m_pMainWnd)
            app.m_pMainWnd->DestroyWindow();
        DrainMessages();
        g_failFrameCreate = false;
    }
    // The application's first document, as the program makes it.
    CFrameWnd* OpenNewDocument()
    {
        app.AddDocTemplate(new CSingleDocTemplate(IDR_TESTFRAME, RUNTIME_CLASS(CTestDoc),
                                                  RUNTIME_CLASS(CTestFrame), RUNTIME_CLASS(CTestView)));
        CCommandLineInfo cmdInfo;
        if (!app.ProcessShellCommand(cmdInfo))
            return nullptr;
        return static_cast<CFrameWnd*>(app.m_pMainWnd);
    }
    CTestApp app;
};

TEST_F(DocFrameTest, NewDocumentMakesFrameWithViewAsShownMainWindow)
{
    CFrameWnd* pFrame = OpenNewDocument();
    ASSERT_NE(nullptr, pFrame);
    EXPECT_TRUE(pFrame->IsKindOf(RUNTIME_CLASS(CTestFrame)));
    EXPECT_EQ(pFrame, AfxGetMainWnd());
    EXPECT_EQ("frame created;new document;", g_log);

    CString title;
    pFrame->GetWindowText(title);
    EXPECT_STREQ("Test Frame", title);  // the string up to its first line feed
    EXPECT_NE(nullptr, ::GetMenu(pFrame->m_hWnd));
    EXPECT_NE(nullptr, pFrame->m_hAccelTable);
    EXPECT_TRUE(pFrame->IsWindowVisible());

    CView* pView = pFrame->GetActiveView();
    ASSERT_NE(nullptr, pView);
    EXPECT_TRUE(pView->IsKindOf(RUNTIME_CLASS(CTestView)));
    EXPECT_EQ(pView, pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
    CDocument* pDoc = pView->GetDocument();
    ASSERT_NE(nullptr, pDoc);
    EXPECT_TRUE(pDoc->IsKindOf(RUNTIME_CLASS(CTestDoc)));
    EXPECT_EQ(pDoc, pFrame->GetActiveDocument());
    EXPECT_EQ(1u, pDoc->GetViews().size());

    // The view fills the client area of a frame without bars.
    CRect rcClient, rcView;
    pFrame->GetClientRect(&rcClient);
    pView->GetWindowRect(&rcView);
    EXPECT_EQ(rcClient.Size(), rcView.Size());
}

TEST_F(DocFrameTest, CommandsGoViewDocumentFrameApplication)
{
    CFrameWnd* pFrame = OpenNewDocument();
    ASSERT_NE(nullptr, pFrame);
    struct Case {
        UINT nID;
        const char* handledBy;
    } cases[] = {
        {kCmdAll, "view;"},
        {kCmdDocFrameApp, "doc;"},
        {kCmdFrameApp, "frame;"},
        {kCmdAppOnly, "app;"},
        {kCmdNobody, ""},
    };
    for (const Case& c : cases) {
        g_log.clear();
        pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(c.nID, 0), 0);
        EXPECT_EQ(c.handledBy, g_log) << "command " << c.nID;
    }
    // The accelerator form of a command is routed the same way.
    g_log.clear();
    pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(kCmdAppOnly, 1), 0);
    EXPECT_EQ("app;", g_log);
}

TEST_F(DocFrameTest, FileNewAgainRenewsTheOneDocument)
{
    CFrameWnd* pFrame = OpenNewDocument();
    ASSERT_NE(nullptr, pFrame);
    g_log.clear();
    pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_FILE_NEW, 0), 0);
    EXPECT_EQ("new document;", g_log);
    EXPECT_EQ(pFrame, app.m_pMainWnd);
    EXPECT_EQ(1, g_docsAlive);
    EXPECT_EQ(1, g_framesAlive);
}

TEST_F(DocFrameTest, FrameThatFailsToCreateIsDeletedWithItsDocument)
{
    g_failFrameCreate = true;
    EXPECT_EQ(nullptr, OpenNewDocument());
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    EXPECT_EQ("frame created;", g_log);
    EXPECT_EQ(0, g_framesAlive);
    EXPECT_EQ(0, g_viewsAlive);
    EXPECT_EQ(0, g_docsAlive);
}

TEST_F(DocFrameTest, MainWindowEndEndsTheMessageLoop)
{
    CFrameWnd* pFrame = OpenNewDocument();
    ASSERT_NE(nullptr, pFrame);
    pFrame->PostMessage(WM_CLOSE);
    g_log.clear();
    EXPECT_EQ(7, app.Run());
    EXPECT_EQ("exit;", g_log);
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    EXPECT_EQ(0, g_framesAlive);
    EXPECT_EQ(0, g_viewsAlive);
}

TEST_F(DocFrameTest, WinMainWithFailedInitInstanceDestroysMainWindow)
{
    app.failInit = true;
    EXPECT_EQ(7, AfxWinMain(::GetModuleHandleA(nullptr), const_cast<LPSTR>(""), SW_HIDE));
    EXPECT_EQ("init;frame created;new document;exit;", g_log);
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    EXPECT_EQ(0, g_framesAlive);
}

TEST_F(DocFrameTest, WinMainGivesUnnamedApplicationTheTitleString)
{
    CTestApp unnamed(nullptr);
    unnamed.failInit = true;
    EXPECT_EQ(nullptr, unnamed.m_pszAppName);
    AfxWinMain(::GetModuleHandleA(nullptr), const_cast<LPSTR>(""), SW_HIDE);
    EXPECT_STREQ("FwTest Title", unnamed.m_pszAppName);
    EXPECT_EQ(SW_HIDE, unnamed.m_nCmdShow);
}

} // namespace
