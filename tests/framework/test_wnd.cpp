// CWnd's handle map, subclassing with default processing, and the
// wrappers whose results the program computes with.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {

// Watches WM_SETTEXT of an edit control and lets the control do its own work.
class CWatchedEdit : public CEdit {
public:
    std::vector<std::string> texts;

protected:
    LRESULT OnSetText(WPARAM, LPARAM lParam)
    {
        texts.push_back((const char*)lParam);
        return Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CWatchedEdit, CEdit)
    ON_MESSAGE(WM_SETTEXT, &CWatchedEdit::OnSetText)
END_MESSAGE_MAP()

HWND MakeEdit()
{
    return ::CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
}

TEST(WndTest, SubclassedControlKeepsItsOwnBehaviour)
{
    HWND hEdit = MakeEdit();
    ASSERT_NE(nullptr, hEdit);
    CWatchedEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    EXPECT_EQ(&edit, CWnd::FromHandlePermanent(hEdit));
    EXPECT_EQ(&edit, CWnd::FromHandle(hEdit));

    edit.SetWindowText("hello");
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ("hello", text);  // the edit control itself stored it
    EXPECT_EQ(std::vector<std::string>{"hello"}, edit.texts);

    // A second object cannot take the same window.
    CEdit other;
    EXPECT_FALSE(other.SubclassWindow(hEdit));

    edit.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hEdit));
    EXPECT_EQ(nullptr, edit.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
}

TEST(WndTest, DestroyingAnObjectDestroysTheWindowItSubclassed)
{
    HWND hEdit = MakeEdit();
    {
        CEdit edit;
        ASSERT_TRUE(edit.SubclassWindow(hEdit));
    }
    EXPECT_FALSE(::IsWindow(hEdit));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
}

TEST(WndTest, AttachedWindowIsMappedButKeepsItsProcedure)
{
    HWND hEdit = MakeEdit();
    WNDPROC pfnBefore = (WNDPROC)::GetWindowLongPtrA(hEdit, GWLP_WNDPROC);
    {
        CWnd wnd;
        ASSERT_TRUE(wnd.Attach(hEdit));
        EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hEdit));
        EXPECT_EQ(pfnBefore, (WNDPROC)::GetWindowLongPtrA(hEdit, GWLP_WNDPROC));
        EXPECT_EQ(hEdit, wnd.Detach());
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
        ASSERT_TRUE(wnd.Attach(hEdit));
    }
    // Only attached: the window is not the object's to destroy.
    EXPECT_TRUE(::IsWindow(hEdit));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
    ::DestroyWindow(hEdit);
}

TEST(WndTest, TemporaryWrappersLastUntilTheTempMapIsDeleted)
{
    HWND hEdit = MakeEdit();
    CWnd* pTemp = CWnd::FromHandle(hEdit);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(hEdit, pTemp->m_hWnd);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hEdit));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
    AfxDeleteTempMaps();
    EXPECT_TRUE(::IsWindow(hEdit));  // the wrapper never owned the window
    ::DestroyWindow(hEdit);
}

TEST(WndTest, GetParentGivesTheOwnerOfAPopup)
{
    CWnd owner, popup, child;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    ASSERT_TRUE(popup.CreateEx(0, nullptr, "popup", WS_POPUP, 0, 0, 50, 50, owner.m_hWnd, nullptr));
    ASSERT_TRUE(child.Create(nullptr, "child", 0, CRect(0, 0, 10, 10), &owner, 5));
    EXPECT_EQ(&owner, popup.GetParent());
    EXPECT_EQ(&owner, child.GetParent());
    EXPECT_EQ(&child, owner.GetDlgItem(5));
    EXPECT_EQ(5, child.GetDlgCtrlID());
    child.DestroyWindow();
    popup.DestroyWindow();
    owner.DestroyWindow();
}

TEST(WndTest, ScrollLimitIsRangeMaximumLessPageSizePlusOne)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP | WS_HSCROLL | WS_VSCROLL, 0, 0, 200, 200, nullptr, nullptr));
    struct Case {
        int nMin, nMax;
        UINT nPage;
        int expected;
    } cases[] = {
        {0, 199, 50, 150},
        {0, 199, 0, 199},    // no page: the maximum itself
        {0, 99, 100, 0},     // the page covers the range
        {0, 99, 200, 0},
        {0, 0, 0, 0},        // no range
        {10, 59, 20, 40},
    };
    for (const Case& c : cases) {
        SCROLLINFO si = {sizeof si, SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL, c.nMin, c.nMax, c.nPage, 0, 0};
        ::SetScrollInfo(wnd.m_hWnd, SB_HORZ, &si, FALSE);
        EXPECT_EQ(c.expected, wnd.GetScrollLimit(SB_HORZ))
            << "range " << c.nMin << ".." << c.nMax << " page " << c.nPage;
    }
    // A bar that is not shown has no range, whatever it held before.
    SCROLLINFO si = {sizeof si, SIF_RANGE | SIF_PAGE, 0, 199, 50, 0, 0};
    ::SetScrollInfo(wnd.m_hWnd, SB_VERT, &si, FALSE);
    EXPECT_EQ(150, wnd.GetScrollLimit(SB_VERT));
    ::ShowScrollBar(wnd.m_hWnd, SB_VERT, FALSE);
    EXPECT_EQ(0, wnd.GetScrollLimit(SB_VERT));
    wnd.DestroyWindow();
}

TEST(WndTest, WindowWithoutScrollBarsHasNoScrollLimit)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    EXPECT_EQ(0, wnd.GetScrollLimit(SB_HORZ));
    EXPECT_EQ(0, wnd.GetScrollLimit(SB_VERT));
    wnd.DestroyWindow();
}

} // namespace
