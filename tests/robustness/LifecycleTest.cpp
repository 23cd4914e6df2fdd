// Starting and quitting Korvane again and again, and starting it again after
// it was killed: each copy installs its hooks, each quit removes them.
#include <gtest/gtest.h>

#include <cstdio>

#include "robustness/KorvaneRun.h"

namespace robust {
namespace {

class Lifecycle : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(Record(), nullptr) << "the hook library is not loaded";
        ASSERT_TRUE(HooksFree()) << "hooks of another program are installed";
    }
};

TEST_F(Lifecycle, EveryStartInstallsTheHooksAndEveryQuitRemovesThem)
{
    const int kRuns = 20;
    const DWORD kBudgetMs = 30000;  // stop early rather than run over
    const DWORD start = GetTickCount();
    int runs = 0;
    for (; runs < kRuns && GetTickCount() - start < kBudgetMs; ++runs) {
        KorvaneRun k;
        ASSERT_TRUE(k.StartAndWaitForHooks()) << "run " << runs << ": the hooks were not installed";
        EXPECT_EQ(OwnerPid(k.Frame()), k.process.Pid()) << "run " << runs;
        EXPECT_EQ(Record()->watchedWnd, (LONG)(INT_PTR)bench::StartButton()) << "run " << runs;
        ASSERT_TRUE(k.Quit()) << "run " << runs << ": Korvane did not end when its main window closed";
        EXPECT_EQ(Record()->notifyWnd, 0) << "run " << runs << ": the quit left the hooks recorded";
        EXPECT_EQ(bench::FindMessageBox("Quillan", 0), nullptr) << "run " << runs << ": an error box";
    }
    std::printf("start/quit runs: %d in %lu ms\n", runs, (unsigned long)(GetTickCount() - start));
    EXPECT_GE(runs, 10) << "too few runs in the time";
}

TEST_F(Lifecycle, AKilledCopyLeavesNothingThatStopsTheNextOne)
{
    KorvaneRun first;
    ASSERT_TRUE(first.StartAndWaitForHooks());
    const HWND oldFrame = first.Frame();
    first.process.Kill();
    ASSERT_TRUE(first.process.WaitExit(5000));
    // The record still names the dead frame: nobody removed the hooks.
    EXPECT_FALSE(IsWindow(oldFrame));

    KorvaneRun second;
    ASSERT_TRUE(second.StartAndWaitForHooks()) << "the new copy did not install its hooks";
    EXPECT_NE(second.Frame(), oldFrame);
    EXPECT_EQ(bench::FindMessageBox("Quillan", 1000), nullptr)
        << "the new copy complained: " << bench::MessageBoxText(bench::FindMessageBox("Quillan", 0));
    EXPECT_TRUE(second.Answers());
    ASSERT_TRUE(second.Quit());
    EXPECT_EQ(Record()->notifyWnd, 0);
}

}  // namespace
}  // namespace robust
