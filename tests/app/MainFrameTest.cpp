// The main frame in this process: message routing and the privilege helper.
#include <gtest/gtest.h>

#include "app/QuillanApp.h"
#include "frame/Messages.h"
#include "support/MainFrameFixture.h"

namespace {

// Sees every message this thread takes from its queue.
HWND g_frame = NULL;
int g_mouseOvers = 0;
LRESULT CALLBACK GetMsgProc(int code, WPARAM wp, LPARAM lp)
{
    const MSG* msg = reinterpret_cast<const MSG*>(lp);
    if (code == HC_ACTION && wp == PM_REMOVE && msg->message == UWM_MOUSEOVER && msg->hwnd == g_frame)
        ++g_mouseOvers;
    return CallNextHookEx(NULL, code, wp, lp);
}

TEST_F(MainFrameTest, TheRealMouseOverTheStartButtonReachesTheFrame)
{
    RECT r = bench::WindowRect(bench::StartButton());
    g_frame = frame->m_hWnd;
    g_mouseOvers = 0;
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, GetMsgProc, NULL, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    bench::MouseMove(r.right - 4, (r.top + r.bottom) / 2);
    bench::MouseMove(r.right - 5, (r.top + r.bottom) / 2);
    EXPECT_TRUE(bench::WaitFor([] { return g_mouseOvers > 0; }, 3000));
    UnhookWindowsHookEx(hook);
}

TEST_F(MainFrameTest, HideTreeMessageMarksTheTreeHiddenAndHidesThePopup)
{
    popup().ShowWindow(SW_SHOW);
    setTreeVis(1);
    PostMessageA(frame->m_hWnd, UWM_LHIDETREE, 0, 0);
    EXPECT_TRUE(bench::WaitFor([&] { return !popup().IsWindowVisible(); }, 3000));
    EXPECT_EQ(bench::HookState()->treeVis, 0);
}

TEST_F(MainFrameTest, TheTreeHasTheFourImagesAndThePopupIsOwnedByTheFrame)
{
    HIMAGELIST list = (HIMAGELIST)tree().SendMessage(TVM_GETIMAGELIST, TVSIL_NORMAL);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(list), 4);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(list, &cx, &cy);
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 15);
    EXPECT_EQ(GetWindow(popup().m_hWnd, GW_OWNER), frame->m_hWnd);
    EXPECT_FALSE(popup().IsWindowVisible());
    EXPECT_EQ(bench::HookState()->treeVis, 0);
}

TEST(AdjustPrivilege, EnablesAHeldPrivilegeAndRefusesAnUnknownOne)
{
    HANDLE token = NULL;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token));
    EXPECT_FALSE(AdjustPrivilege(token, "SeNoSuchPrivilegeAtAll", TRUE));
    EXPECT_TRUE(AdjustPrivilege(token, "SeDebugPrivilege", TRUE));

    LUID luid;
    ASSERT_TRUE(LookupPrivilegeValueA(NULL, "SeDebugPrivilege", &luid));
    PRIVILEGE_SET set = {1, PRIVILEGE_SET_ALL_NECESSARY, {{luid, 0}}};
    BOOL enabled = FALSE;
    ASSERT_TRUE(PrivilegeCheck(token, &set, &enabled));
    EXPECT_TRUE(enabled);
    CloseHandle(token);
}

}  // namespace
