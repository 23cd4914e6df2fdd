// Control wrappers whose results the program relies on: tree text and
// navigation, tooltips, menus, image lists, the toolbar resource and the
// frame's bar layout.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "fwtest_res.h"

namespace {

class TreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr));
        ASSERT_TRUE(tree.Create(WS_VISIBLE | TVS_HASLINES, CRect(0, 0, 300, 300), &parent, 1));
    }
    void TearDown() override { parent.DestroyWindow(); }
    HTREEITEM Insert(const std::string& text, HTREEITEM hParent = TVI_ROOT)
    {
        TVINSERTSTRUCTA tvis = {};
        tvis.hParent = hParent;
        tvis.hInsertAfter = TVI_LAST;
        tvis.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        tvis.item.pszText = const_cast<char*>(text.c_str());
        return tree.InsertItem(&tvis);
    }
    CWnd parent;
    CTreeCtrl tree;
};

TEST_F(TreeTest, ItemTextComesBackWholeWhateverItsLength)
{
    for (size_t len : {0u, 1u, 255u, 256u, 257u, 511u, 512u, 513u, 3000u}) {
        std::string text;
        for (size_t i = 0; i < len; ++i)
            text += (char)('a' + i % 26);
        HTREEITEM hItem = Insert(text);
        ASSERT_NE(nullptr, hItem);
        EXPECT_EQ(text, std::string(tree.GetItemText(hItem))) << "length " << len;
    }
}

TEST_F(TreeTest, NavigationAndChildrenFollowTheTree)
{
    HTREEITEM hProc = Insert("Process");
    HTREEITEM hThread = Insert("Thread", hProc);
    HTREEITEM hWin = Insert("Window", hThread);
    HTREEITEM hProc2 = Insert("Process 2");
    EXPECT_EQ(4u, tree.GetCount());
    EXPECT_EQ(hProc, tree.GetRootItem());
    EXPECT_EQ(hThread, tree.GetChildItem(hProc));
    EXPECT_EQ(hWin, tree.GetChildItem(hThread));
    EXPECT_EQ(hProc2, tree.GetNextSiblingItem(hProc));
    EXPECT_EQ(nullptr, tree.GetNextSiblingItem(hProc2));
    EXPECT_EQ(hThread, tree.GetParentItem(hWin));
    EXPECT_EQ(nullptr, tree.GetParentItem(hProc));
    // Items carry no children count of their own: the control tells.
    EXPECT_TRUE(tree.ItemHasChildren(hProc));
    EXPECT_TRUE(tree.ItemHasChildren(hThread));
    EXPECT_FALSE(tree.ItemHasChildren(hWin));
    EXPECT_FALSE(tree.ItemHasChildren(hProc2));

    EXPECT_TRUE(tree.SelectItem(hProc2));
    EXPECT_EQ(hProc2, tree.GetSelectedItem());
    EXPECT_TRUE(tree.DeleteItem(hProc));
    EXPECT_EQ(1u, tree.GetCount());
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(0u, tree.GetCount());
    EXPECT_EQ(nullptr, tree.GetRootItem());
}

TEST_F(TreeTest, HitTestFindsTheItemUnderAPoint)
{
    Insert("First");
    HTREEITEM hSecond = Insert("Second");
    RECT rc;
    *(HTREEITEM*)&rc = hSecond;
    ASSERT_TRUE(tree.SendMessage(TVM_GETITEMRECT, TRUE, (LPARAM)&rc));
    UINT flags = 0;
    EXPECT_EQ(hSecond, tree.HitTest(CPoint(rc.left + 2, (rc.top + rc.bottom) / 2), &flags));
    EXPECT_TRUE(flags & TVHT_ONITEM);
    EXPECT_EQ(nullptr, tree.HitTest(CPoint(5, 290)));
}

TEST(ToolTipTest, OneToolWithUpdatedText)
{
    CWnd button;
    ASSERT_TRUE(button.CreateEx(0, "BUTTON", "b", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&button));
    EXPECT_EQ(button.m_hWnd, ::GetWindow(tip.m_hWnd, GW_OWNER));
    EXPECT_EQ(0, tip.GetToolCount());
    CRect rc;
    button.GetClientRect(&rc);
    ASSERT_TRUE(tip.AddTool(&button, "First text", &rc, 1));
    EXPECT_EQ(1, tip.GetToolCount());
    tip.UpdateTipText("Second text", &button, 1);

    char text[80] = "";
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = button.m_hWnd;
    ti.uId = 1;
    ti.lpszText = text;
    tip.SendMessage(TTM_GETTEXTA, sizeof text, (LPARAM)&ti);
    EXPECT_STREQ("Second text", text);
    tip.DestroyWindow();
    button.DestroyWindow();
}

TEST(MenuTest, LoadedMenuChecksItemsInSubmenusAndIsDestroyed)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TESTFRAME));
    HMENU hMenu = menu.GetSafeHmenu();
    CMenu* pPopup = menu.GetSubMenu(0);
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ((UINT)MF_UNCHECKED, menu.CheckMenuItem(IDM_MENU_ITEM, MF_BYCOMMAND | MF_CHECKED));
    EXPECT_TRUE(::GetMenuState(pPopup->GetSafeHmenu(), IDM_MENU_ITEM, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ((UINT)-1, menu.CheckMenuItem(40999, MF_BYCOMMAND | MF_CHECKED));
    EXPECT_FALSE(menu.LoadMenu(IDR_TESTFRAME));  // already holds one
    EXPECT_TRUE(menu.DestroyMenu());
    EXPECT_FALSE(::IsMenu(hMenu));
    AfxDeleteTempMaps();
    EXPECT_FALSE(menu.LoadMenu(65000));
}

TEST(ImageListTest, MaskedBitmapAddsOneImagePerWidth)
{
    CImageList images;
    ASSERT_TRUE(images.Create(16, 15, ILC_MASK, 6, 4));
    CBitmap bmp;
    ASSERT_TRUE(bmp.LoadBitmap(IDR_TESTFRAME));  // 32 x 15
    EXPECT_FALSE(bmp.LoadBitmap(IDR_TESTFRAME));  // already holds one
    EXPECT_EQ(0, images.Add(&bmp, RGB(255, 255, 255)));
    EXPECT_EQ(2, images.GetImageCount());
    EXPECT_EQ(2, images.Add(&bmp, RGB(255, 255, 255)));
    EXPECT_EQ(4, images.GetImageCount());
    EXPECT_TRUE(images.DeleteImageList());
    EXPECT_EQ(nullptr, images.GetSafeHandle());
}

class CBarFrame : public CFrameWnd {
public:
    CToolBar toolBar;
    CStatusBar statusBar;
};

class BarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        pFrame = new CBarFrame;
        ASSERT_TRUE(pFrame->Create(nullptr, "bars", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)));
    }
    void TearDown() override
    {
        if (pFrame)
            pFrame->DestroyWindow();  // deletes the frame
        DrainMessages();
    }
    CBarFrame* pFrame = nullptr;
};

TEST_F(BarTest, ToolBarResourceGivesButtonsAndSeparators)
{
    CToolBar& tb = pFrame->toolBar;
    ASSERT_TRUE(tb.CreateEx(pFrame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS));
    EXPECT_EQ((DWORD)CBRS_TOP | CBRS_TOOLTIPS, tb.GetBarStyle());
    EXPECT_FALSE(tb.GetStyle() & CBRS_ALIGN_TOP);  // bar styles stay out of the window style
    ASSERT_TRUE(tb.LoadToolBar(IDR_TESTFRAME));
    ASSERT_EQ(3, tb.SendMessage(TB_BUTTONCOUNT));
    int expected[] = {IDM_TB_FIRST, 0, IDM_TB_SECOND};
    for (int i = 0; i < 3; ++i) {
        TBBUTTON b = {};
        tb.SendMessage(TB_GETBUTTON, i, (LPARAM)&b);
        EXPECT_EQ(expected[i], b.idCommand) << i;
        EXPECT_EQ(expected[i] == 0, (b.fsStyle & BTNS_SEP) != 0) << i;
    }
}

TEST_F(BarTest, BadToolBarResourcesAreRefused)
{
    CToolBar& tb = pFrame->toolBar;
    ASSERT_TRUE(tb.CreateEx(pFrame));
    EXPECT_FALSE(tb.LoadToolBar(IDR_BADTOOLBAR));  // unknown version
    EXPECT_FALSE(tb.LoadToolBar(65000));           // no such resource
    EXPECT_EQ(0, tb.SendMessage(TB_BUTTONCOUNT));
}

TEST_F(BarTest, LayoutPutsToolBarOnTopStatusBarBelowAndViewBetween)
{
    ASSERT_TRUE(pFrame->toolBar.CreateEx(pFrame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    ASSERT_TRUE(pFrame->toolBar.LoadToolBar(IDR_TESTFRAME));
    ASSERT_TRUE(pFrame->statusBar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM));
    UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
    ASSERT_TRUE(pFrame->statusBar.SetIndicators(indicators, 4));
    EXPECT_EQ(4, pFrame->statusBar.SendMessage(SB_GETPARTS));
    CWnd view;
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 1, 1), pFrame, AFX_IDW_PANE_FIRST));
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->toolBar.EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(&pFrame->toolBar);

    CRect rcClient, rcTool, rcStatus, rcView;
    pFrame->GetClientRect(&rcClient);
    pFrame->toolBar.GetWindowRect(&rcTool);
    pFrame->statusBar.GetWindowRect(&rcStatus);
    view.GetWindowRect(&rcView);
    pFrame->ScreenToClient(&rcTool);
    pFrame->ScreenToClient(&rcStatus);
    pFrame->ScreenToClient(&rcView);
    EXPECT_GT(rcTool.Height(), 0);
    EXPECT_GT(rcStatus.Height(), 0);
    EXPECT_EQ(0, rcTool.top);
    EXPECT_EQ(rcClient.bottom, rcStatus.bottom);
    EXPECT_EQ(CRect(0, rcTool.bottom, rcClient.right, rcStatus.top), rcView);
    view.DestroyWindow();
}

} // namespace
