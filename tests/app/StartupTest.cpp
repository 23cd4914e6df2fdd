// Korvane.exe as a user starts it: hidden, single copy, high priority, its
// hooks installed on the Start button, and what it says when it cannot run.
#include <gtest/gtest.h>

#include "hooklib/korvhook.h"
#include "support/bench.h"

namespace {

HWND NotifyWnd() { return (HWND)(INT_PTR)bench::HookState()->notifyWnd; }

DWORD OwnerPid(HWND w)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    return pid;
}

// Starts Korvane.exe and waits until its frame holds the hooks.
class Program : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bench::HookState()->notifyWnd == 0 || !IsWindow(NotifyWnd()))
            << "hooks of another program are installed";
    }
    void TearDown() override
    {
        if (korvane.Running()) {
            HWND frame = NotifyWnd();
            if (frame && OwnerPid(frame) == korvane.Pid())
                PostMessageA(frame, WM_CLOSE, 0, 0);
            if (!korvane.WaitExit(5000)) korvane.Kill();
        }
        bench::WaitFor([] { return bench::HookState()->notifyWnd == 0 || !IsWindow(NotifyWnd()); }, 3000);
    }
    void StartAndWaitForHooks()
    {
        ASSERT_TRUE(korvane.Start("Korvane.exe"));
        ASSERT_TRUE(bench::WaitFor([&] { return NotifyWnd() && OwnerPid(NotifyWnd()) == korvane.Pid(); }, 15000))
            << "Korvane did not install its hooks";
    }
    bench::ChildProcess korvane;
};

TEST_F(Program, RunsHiddenInTheHighPriorityClassWatchingTheStartButton)
{
    StartAndWaitForHooks();
    bench::Pump(300);
    // Nothing of Korvane shows but, on a first start, the tip.
    for (HWND w : bench::VisibleWindowsOf(korvane.Pid())) {
        char title[64] = {};
        GetWindowTextA(w, title, sizeof title);
        EXPECT_STREQ(title, "TIP") << "Korvane shows a window";
    }
    EXPECT_FALSE(IsWindowVisible(NotifyWnd()));
    EXPECT_EQ(GetPriorityClass(korvane.Handle()), (DWORD)HIGH_PRIORITY_CLASS);
    EXPECT_EQ(bench::HookState()->watchedWnd, (LONG)(INT_PTR)bench::StartButton());
    char cls[64] = {};
    GetClassNameA(NotifyWnd(), cls, sizeof cls);
    EXPECT_STRNE(cls, "#32770") << "the hooks report to a dialog, not to the main frame";
}

TEST_F(Program, ASecondCopySaysSoAndEndsWhileTheFirstRunsOn)
{
    StartAndWaitForHooks();
    HWND frame = NotifyWnd();
    bench::ChildProcess second;
    ASSERT_TRUE(second.Start("Korvane.exe"));
    HWND box = bench::FindMessageBox("Quillan", 10000);
    ASSERT_NE(box, nullptr) << "no message box from the second copy";
    EXPECT_EQ(OwnerPid(box), second.Pid());
    EXPECT_EQ(bench::MessageBoxText(box), "Program already running - stopping action");
    ASSERT_TRUE(bench::PressOk(box));
    EXPECT_TRUE(second.WaitExit(5000)) << "the second copy did not end";
    EXPECT_TRUE(korvane.Running());
    EXPECT_EQ(NotifyWnd(), frame) << "the first copy lost its hooks";
}

TEST_F(Program, ClosingTheMainWindowRemovesTheHooks)
{
    StartAndWaitForHooks();
    PostMessageA(NotifyWnd(), WM_CLOSE, 0, 0);
    DWORD code = 99;
    ASSERT_TRUE(korvane.WaitExit(10000, &code)) << "Korvane did not end when its main window closed";
    EXPECT_EQ(bench::HookState()->notifyWnd, 0) << "teardown left the hooks recorded";
    EXPECT_EQ(bench::FindMessageBox("Quillan", 300), nullptr) << "teardown reported an error";

    // The slot is free: another program may install now.
    HWND mine = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
    EXPECT_EQ(setMyHook((int)(INT_PTR)mine, (int)(INT_PTR)bench::StartButton()), 1);
    EXPECT_NE(clearMyHook(), 0);
    DestroyWindow(mine);
}

TEST_F(Program, HooksHeldByAnotherProgramAreReportedAndKorvaneRunsOn)
{
    std::string result = bench::TempDir("busy") + "result.txt";
    bench::ChildProcess other;
    ASSERT_TRUE(other.Start("hookprobe.exe", "install " + std::to_string((INT_PTR)bench::StartButton()) + " " + result));
    ASSERT_TRUE(bench::WaitFor([&] { return bench::ReadFileBytes(result) == "1\n"; }, 10000));

    ASSERT_TRUE(korvane.Start("Korvane.exe"));
    HWND box = bench::FindMessageBox("Quillan", 10000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(bench::MessageBoxText(box).rfind("Init failed: ", 0), 0u) << bench::MessageBoxText(box);
    ASSERT_TRUE(bench::PressOk(box));
    bench::Pump(500);
    EXPECT_TRUE(korvane.Running()) << "Korvane must keep running without its hooks";
    EXPECT_EQ(OwnerPid(NotifyWnd()), other.Pid());
    korvane.Kill();
    other.Kill();
}

// A desktop of its own, where no taskbar runs.
TEST_F(Program, WithoutATaskbarItSaysInitFailedThenTheTeardownErrorAndEnds)
{
    const LONG holderBefore = bench::HookState()->notifyWnd;
    HDESK plain = CreateDesktopA("korvplain", NULL, NULL, 0, GENERIC_ALL, NULL);
    ASSERT_NE(plain, nullptr);
    ASSERT_TRUE(korvane.Start("Korvane.exe", "", "", "korvplain"));
    HWND box = bench::FindMessageBoxOn(plain, "Quillan", 15000);
    ASSERT_NE(box, nullptr) << "no message box on the desktop without a taskbar";
    EXPECT_EQ(bench::MessageBoxText(box), "init failed");
    ASSERT_TRUE(bench::PressOk(box));
    // Teardown removes hooks that were never installed: the error number.
    bench::WaitFor([&] { return !IsWindow(box); }, 3000);
    box = bench::FindMessageBoxOn(plain, "Quillan", 10000);
    ASSERT_NE(box, nullptr) << "no teardown message";
    SetLastError(0);
    UnhookWindowsHookEx(NULL);  // what the system says to removing no hook
    EXPECT_EQ(bench::MessageBoxText(box), std::to_string(GetLastError()));
    ASSERT_TRUE(bench::PressOk(box));
    EXPECT_TRUE(korvane.WaitExit(10000)) << "Korvane did not end";
    CloseDesktop(plain);
    EXPECT_EQ(bench::HookState()->notifyWnd, holderBefore) << "no hooks were to be installed";
}

}  // namespace
