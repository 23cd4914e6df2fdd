// CDialog from an in-memory template: binding controls with DDX_Control,
// messages that arrive before WM_INITDIALOG, control notifications, the
// end of modeless and modal dialogs, keyboard handling through the loop.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {

const WORD kIdCheck = 1001;
const WORD kIdEdit = 1002;
const WORD kIdTree = 1003;

DialogTemplate MakeTemplate()
{
    DialogTemplate t(WS_POPUP | WS_CAPTION | WS_THICKFRAME, 160, 100, "Test dialog");
    t.AddItem(kIdCheck, "#0080", "Check", BS_AUTOCHECKBOX | WS_TABSTOP, 5, 5, 60, 10);
    t.AddItem(kIdEdit, "#0081", "", WS_BORDER | WS_TABSTOP, 5, 20, 60, 12);
    t.AddItem(kIdTree, "SysTreeView32", "", WS_BORDER | TVS_HASLINES, 5, 35, 100, 60);
    return t;
}

class CTestDlg : public CDialog {
public:
    CButton m_check;
    CEdit m_edit;
    CTreeCtrl m_tree;
    std::vector<std::string> log;
    int nMissingId = 0;  // a control that DoDataExchange also asks for
    int nModalEnd = 0;   // end the modal dialog with this from OnInitDialog
    HWND hWndOwnerAtInit = nullptr;

    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, kIdCheck, m_check);
        DDX_Control(pDX, kIdEdit, m_edit);
        DDX_Control(pDX, kIdTree, m_tree);
        if (nMissingId) {
            CWnd missing;
            DDX_Control(pDX, nMissingId, missing);
        }
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        log.push_back(m_tree.m_hWnd ? "init, controls bound" : "init, controls missing");
        hWndOwnerAtInit = ::GetWindow(m_hWnd, GW_OWNER);
        if (nModalEnd)
            PostMessage(WM_COMMAND, MAKEWPARAM(kIdCheck, BN_CLICKED), (LPARAM)m_check.m_hWnd);
        return TRUE;
    }

protected:
    void OnSize(UINT nType, int cx, int cy)
    {
        CDialog::OnSize(nType, cx, cy);
        log.push_back(m_tree.m_hWnd ? "size" : "size before controls");
    }
    void OnCheckClicked()
    {
        log.push_back("check clicked");
        if (nModalEnd)
            EndDialog(nModalEnd);
    }
    void OnTreeRClick(NMHDR*, LRESULT* pResult)
    {
        log.push_back("tree rclick");
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
    ON_WM_SIZE()
    ON_BN_CLICKED(kIdCheck, &CTestDlg::OnCheckClicked)
    ON_NOTIFY(NM_RCLICK, kIdTree, &CTestDlg::OnTreeRClick)
END_MESSAGE_MAP()

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override { DrainMessages(); }
    void TearDown() override
    {
        dlg.DestroyWindow();
        DrainMessages();
    }
    DialogTemplate tmpl = MakeTemplate();
    CTestDlg dlg;
};

TEST_F(DialogTest, SizeBeforeInitDialogReachesTheMapAndControlsAreBound)
{
    ASSERT_TRUE(dlg.CreateIndirect(tmpl.Get(), nullptr));
    ASSERT_GE(dlg.log.size(), 2u);
    EXPECT_EQ("size before controls", dlg.log.front());
    EXPECT_EQ("init, controls bound", dlg.log.back());

    struct Bound {
        WORD id;
        CWnd* pControl;
    } bound[] = {{kIdCheck, &dlg.m_check}, {kIdEdit, &dlg.m_edit}, {kIdTree, &dlg.m_tree}};
    for (const Bound& b : bound) {
        HWND hCtrl = ::GetDlgItem(dlg.m_hWnd, b.id);
        EXPECT_EQ(hCtrl, b.pControl->m_hWnd) << b.id;
        EXPECT_EQ(b.pControl, CWnd::FromHandlePermanent(hCtrl)) << b.id;
        EXPECT_EQ((LONG_PTR)AfxWndProc, ::GetWindowLongPtrA(hCtrl, GWLP_WNDPROC)) << b.id;
    }
    // Binding happens once; a second exchange keeps the same objects.
    HWND hTree = dlg.m_tree.m_hWnd;
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(hTree, dlg.m_tree.m_hWnd);

    dlg.log.clear();
    dlg.MoveWindow(0, 0, 300, 200);
    EXPECT_EQ(std::vector<std::string>{"size"}, dlg.log);
}

TEST_F(DialogTest, DataExchangeWithAMissingControlFails)
{
    dlg.nMissingId = 1999;
    ASSERT_TRUE(dlg.CreateIndirect(tmpl.Get(), nullptr));
    EXPECT_FALSE(dlg.UpdateData(FALSE));
    EXPECT_NE(nullptr, dlg.m_check.m_hWnd);  // the others are bound all the same
}

TEST_F(DialogTest, ControlNotificationsReachTheDialogMap)
{
    ASSERT_TRUE(dlg.CreateIndirect(tmpl.Get(), nullptr));
    dlg.log.clear();
    dlg.m_check.SendMessage(BM_CLICK);
    EXPECT_EQ(BST_CHECKED, dlg.m_check.GetCheck());
    NMHDR hdr = {dlg.m_tree.m_hWnd, kIdTree, (UINT)NM_RCLICK};
    dlg.SendMessage(WM_NOTIFY, kIdTree, (LPARAM)&hdr);
    EXPECT_EQ((std::vector<std::string>{"check clicked", "tree rclick"}), dlg.log);
}

TEST_F(DialogTest, ModelessDialogEndsHiddenAndStaysAlive)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    ASSERT_TRUE(dlg.CreateIndirect(tmpl.Get(), &owner));
    EXPECT_EQ(owner.m_hWnd, ::GetWindow(dlg.m_hWnd, GW_OWNER));
    EXPECT_EQ(&owner, dlg.GetParent());
    dlg.ShowWindow(SW_SHOWNOACTIVATE);
    ASSERT_TRUE(dlg.IsWindowVisible());
    dlg.SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_FALSE(dlg.IsWindowVisible());
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
    dlg.DestroyWindow();
    owner.DestroyWindow();
}

TEST_F(DialogTest, EscapeThroughTheMessageLoopEndsModelessDialog)
{
    ASSERT_TRUE(dlg.CreateIndirect(tmpl.Get(), nullptr));
    dlg.ShowWindow(SW_SHOWNOACTIVATE);
    // The key goes to a control; the loop offers it to the control, then to
    // the dialog, whose IsDialogMessage turns Esc into IDCANCEL.
    dlg.m_check.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    CWinThread loop;
    ASSERT_TRUE(loop.PumpMessage());
    EXPECT_FALSE(dlg.IsWindowVisible());
}

TEST_F(DialogTest, ModalDialogReturnsEndCodeAndIsOwnedByTheMainWindow)
{
    CWinApp app("Dialog Test");
    CWnd mainWnd;
    ASSERT_TRUE(mainWnd.CreateEx(0, nullptr, "main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    app.m_pMainWnd = &mainWnd;

    CTestDlg modal;
    modal.InitModalIndirect(tmpl.Get());
    modal.nModalEnd = 42;
    EXPECT_EQ(42, modal.DoModal());
    EXPECT_EQ(mainWnd.m_hWnd, modal.hWndOwnerAtInit);
    EXPECT_EQ(nullptr, modal.m_hWnd);
    EXPECT_EQ(nullptr, modal.m_check.m_hWnd);  // the controls went with the dialog
    EXPECT_EQ("check clicked", modal.log.back());

    // The same object runs again, with a new window.
    modal.nModalEnd = 43;
    modal.log.clear();
    EXPECT_EQ(43, modal.DoModal());
    EXPECT_NE(std::find(modal.log.begin(), modal.log.end(), "init, controls bound"), modal.log.end());

    app.m_pMainWnd = nullptr;
    mainWnd.DestroyWindow();
}

TEST_F(DialogTest, ModalDialogWithoutTemplateFails)
{
    CDialog missing(65000);
    EXPECT_EQ(-1, missing.DoModal());
}

} // namespace
