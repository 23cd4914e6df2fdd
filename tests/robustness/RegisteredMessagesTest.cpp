// The registered messages, posted by another process at odd times and in
// bursts: Korvane neither crashes nor hangs, and a few hundred paints and a
// few dozen rebuilds leave its GDI and USER object counts where they were.
#include <gtest/gtest.h>

#include <cstdio>

#include "common/korvmsg.h"
#include "robustness/GuiObjects.h"
#include "robustness/KorvaneRun.h"

namespace robust {
namespace {

const UINT kLButDown = RegisterWindowMessageA(UWM_LBUTDOWN_MSG);
const UINT kMouseOver = RegisterWindowMessageA(UWM_MOUSEOVER_MSG);
const UINT kLHideTree = RegisterWindowMessageA(UWM_LHIDETREE_MSG);
const UINT kShowMenu = RegisterWindowMessageA(UWM_SHOWMENU_MSG);

class RegisteredMessages : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(Record(), nullptr) << "the hook library is not loaded";
        ASSERT_TRUE(HooksFree());
        ASSERT_TRUE(k.StartAndWaitForHooks());
        k.CloseTip();
    }
    // Sends and waits, so that the messages are handled one after the other.
    bool Send(UINT msg, DWORD timeoutMs = 10000)
    {
        DWORD_PTR result = 0;
        return SendMessageTimeoutA(k.Frame(), msg, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result) != 0;
    }
    bool PopupVisible() const { return k.Popup() && IsWindowVisible(k.Popup()); }
    bool PopupMatchesRecord() const { return PopupVisible() == (Record()->treeVis != 0); }
    KorvaneRun k;
};

TEST_F(RegisteredMessages, ShowMenuWithThePopupHiddenOpensAMenuThatClosesAgain)
{
    ASSERT_FALSE(PopupVisible());
    // Away from the Start button, over the plain desktop.
    bench::MouseMove(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 3);
    ASSERT_TRUE(PostMessageA(k.Frame(), kShowMenu, 0, 0));
    const DWORD pid = k.process.Pid();
    ASSERT_TRUE(bench::WaitFor([&] { return VisibleMenuOf(pid) != nullptr; }, 5000)) << "no menu opened";
    EXPECT_TRUE(CloseMenusOf(pid)) << "the menu did not close";
    EXPECT_TRUE(k.Answers());
    // Twice more in a row, then closed: still no crash.
    PostMessageA(k.Frame(), kShowMenu, 0, 0);
    PostMessageA(k.Frame(), kShowMenu, 0, 0);
    bench::WaitFor([&] { return VisibleMenuOf(pid) != nullptr; }, 3000);
    EXPECT_TRUE(CloseMenusOf(pid));
    bench::WaitFor([&] { return VisibleMenuOf(pid) != nullptr; }, 1000);
    EXPECT_TRUE(CloseMenusOf(pid));
    EXPECT_TRUE(k.Answers());
    EXPECT_TRUE(k.process.Running());
    EXPECT_TRUE(PopupMatchesRecord());
}

TEST_F(RegisteredMessages, BurstsOfHideAndRebuildLeaveThePopupConsistent)
{
    // Posted messages are handled in order, and a message sent from here
    // goes before them: the fence is a posted menu request, whose menu
    // opens only once everything posted before it is done.
    const DWORD pid = k.process.Pid();
    auto fence = [&](DWORD timeoutMs) {
        bench::MouseMove(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 3);
        PostMessageA(k.Frame(), kShowMenu, 0, 0);
        const bool reached = bench::WaitFor([&] { return VisibleMenuOf(pid) != nullptr; }, timeoutMs);
        CloseMenusOf(pid);
        return reached;
    };

    // Hide with nothing shown, many times.
    for (int i = 0; i < 200; ++i)
        ASSERT_TRUE(PostMessageA(k.Frame(), kLHideTree, 0, 0));
    ASSERT_TRUE(fence(10000)) << "Korvane did not get through 200 hide messages";
    EXPECT_FALSE(PopupVisible());
    EXPECT_EQ(Record()->treeVis, 0);

    // Many presses quickly, as fast as they can be posted.
    const DWORD t0 = GetTickCount();
    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(PostMessageA(k.Frame(), kLButDown, 0, 0));
    ASSERT_TRUE(fence(40000)) << "Korvane did not get through 50 rebuild messages";
    std::printf("50 posted rebuilds handled in %lu ms\n", (unsigned long)(GetTickCount() - t0));
    EXPECT_TRUE(PopupVisible()) << "the popup does not show after the rebuilds";
    EXPECT_TRUE(PopupMatchesRecord());

    // Presses and hides interleaved, the last one a hide.
    for (int i = 0; i < 40; ++i)
        PostMessageA(k.Frame(), i % 2 ? kLHideTree : kLButDown, 0, 0);
    ASSERT_TRUE(fence(40000));
    EXPECT_FALSE(PopupVisible()) << "the last message hid the popup";
    EXPECT_TRUE(PopupMatchesRecord());
    EXPECT_TRUE(k.Answers());
    EXPECT_TRUE(k.process.Running());
}

TEST_F(RegisteredMessages, PaintsAndRebuildsDoNotLeakGdiOrUserObjects)
{
    // One of each first: what is made once and kept is not a leak.
    ASSERT_TRUE(Send(kMouseOver));
    ASSERT_TRUE(Send(kLButDown));
    ASSERT_TRUE(Send(kLHideTree));
    const GuiObjects before = CountGuiObjects(k.process.Handle(), k.process.Pid());
    ASSERT_GT(before.gdi, 0) << "the GDI objects cannot be counted";
    ASSERT_GT(before.user, 0);

    const int kPaints = 300, kRebuilds = 30;
    const DWORD t0 = GetTickCount();
    for (int i = 0; i < kPaints; ++i)
        ASSERT_TRUE(Send(kMouseOver)) << "paint " << i;
    const DWORD tPaint = GetTickCount() - t0;
    const GuiObjects afterPaints = CountGuiObjects(k.process.Handle(), k.process.Pid());
    for (int i = 0; i < kRebuilds; ++i)
        ASSERT_TRUE(Send(kLButDown)) << "rebuild " << i;
    ASSERT_TRUE(Send(kLHideTree));
    const DWORD tAll = GetTickCount() - t0;
    const GuiObjects after = CountGuiObjects(k.process.Handle(), k.process.Pid());

    std::printf("objects (%s): GDI %ld -> %ld after %d paints (%lu ms) -> %ld after %d rebuilds; "
                "USER %ld -> %ld -> %ld; total %lu ms\n",
                before.fromSystem ? "GetGuiResources" : "GDI handle table and window count", before.gdi,
                afterPaints.gdi, kPaints, (unsigned long)tPaint, after.gdi, kRebuilds, before.user,
                afterPaints.user, after.user, (unsigned long)tAll);
    // A leak of one object per paint or per rebuild shows as +300 or +30.
    const long kMargin = 5;
    EXPECT_LE(afterPaints.gdi, before.gdi + kMargin) << "the paints leak GDI objects";
    EXPECT_LE(after.gdi, afterPaints.gdi + kMargin) << "the rebuilds leak GDI objects";
    EXPECT_LE(afterPaints.user, before.user + kMargin) << "the paints leak USER objects";
    EXPECT_LE(after.user, afterPaints.user + kMargin) << "the rebuilds leak USER objects";
    EXPECT_TRUE(k.Answers());
}

}  // namespace
}  // namespace robust
