// Random real mouse input over the desktop, the taskbar, the Start button
// and the tree popup while Korvane runs: afterwards the shell and Korvane
// still run and answer, and the popup shows exactly when the hook library
// believes it does.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "robustness/KorvaneRun.h"

namespace robust {
namespace {

RECT Inner(const RECT& r, int margin)
{
    RECT i = {r.left + margin, r.top + margin, r.right - margin, r.bottom - margin};
    if (i.right <= i.left) i.right = i.left + 1;
    if (i.bottom <= i.top) i.bottom = i.top + 1;
    return i;
}

HWND TreeOf(HWND popup) { return popup ? FindWindowExA(popup, nullptr, "SysTreeView32", nullptr) : nullptr; }

TEST(RandomInput, ShellAndKorvaneSurviveAndThePopupMatchesTheRecord)
{
    ASSERT_NE(Record(), nullptr) << "the hook library is not loaded";
    ASSERT_TRUE(HooksFree());
    KorvaneRun k;
    ASSERT_TRUE(k.StartAndWaitForHooks());
    k.CloseTip();
    const DWORD pid = k.process.Pid();

    const HWND taskbar = bench::Taskbar();
    ASSERT_NE(taskbar, nullptr);
    const RECT bar = bench::WindowRect(taskbar);
    const RECT start = bench::WindowRect(bench::StartButton());
    // Only the Start button's left half: its right half opens the shell's
    // Start menu, whose entries end the session.
    const RECT startLeft = {start.left + 1, start.top + 1, (start.left + start.right) / 2 - 1, start.bottom - 1};
    const RECT desktop = {0, 0, GetSystemMetrics(SM_CXSCREEN), bar.top};

    std::mt19937 rng(20261211);
    auto in = [&](const RECT& r) {
        return POINT{std::uniform_int_distribution<int>(r.left, r.right - 1)(rng),
                     std::uniform_int_distribution<int>(r.top, r.bottom - 1)(rng)};
    };

    const int kEvents = 300;
    const DWORD kBudgetMs = 20000;
    const DWORD t0 = GetTickCount();
    int events = 0, moves = 0, lefts = 0, rights = 0, menus = 0, popupShown = 0;
    for (; events < kEvents && GetTickCount() - t0 < kBudgetMs; ++events) {
        const int where = std::uniform_int_distribution<int>(0, 9)(rng);
        const HWND popup = k.Popup();
        const HWND tree = popup && IsWindowVisible(popup) ? TreeOf(popup) : nullptr;
        POINT p;
        if (where < 3)
            p = in(desktop);
        else if (where < 5)
            p = in(Inner(bar, 2));
        else if (where < 7 || !tree)
            p = in(startLeft);
        else
            p = in(Inner(bench::WindowRect(tree), 3));  // the tree, not the popup's buttons

        const int what = std::uniform_int_distribution<int>(0, 9)(rng);
        if (what < 5) {
            bench::MouseMove(p.x, p.y);
            ++moves;
        } else if (what < 8) {
            bench::MouseClick(p.x, p.y, 1);
            ++lefts;
        } else {
            bench::MouseClick(p.x, p.y, 3);
            ++rights;
            // Open, then Escape: no menu entry is ever picked.
            if (bench::WaitFor([&] { return VisibleMenuOf(pid) != nullptr; }, 250)) {
                ++menus;
                ASSERT_TRUE(CloseMenusOf(pid)) << "event " << events << ": a menu stayed open";
            }
        }
        bench::Pump(10);
        if (tree)
            ++popupShown;
        ASSERT_TRUE(k.process.Running()) << "Korvane ended at event " << events;
    }
    const DWORD elapsed = GetTickCount() - t0;
    CloseMenusOf(pid);
    std::printf("random input: %d events (%d moves, %d left clicks, %d right clicks, %d menus opened and "
                "escaped, popup up at %d events) in %lu ms\n",
                events, moves, lefts, rights, menus, popupShown, (unsigned long)elapsed);
    EXPECT_GE(events, 100) << "too few events in the time";
    EXPECT_GT(popupShown, 0) << "the input never reached the popup";

    // The shell runs and answers.
    DWORD_PTR result = 0;
    ASSERT_TRUE(IsWindow(taskbar));
    EXPECT_EQ(bench::Taskbar(), taskbar);
    EXPECT_NE(SendMessageTimeoutA(taskbar, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result), 0)
        << "the taskbar does not answer";

    // Korvane runs, answers and still holds the hooks.
    ASSERT_TRUE(k.process.Running());
    EXPECT_TRUE(k.Answers());
    EXPECT_EQ(NotifyWnd(), k.Frame());

    // The popup shows exactly when the record says it does.
    const HWND popup = k.Popup();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(bench::WaitFor([&] { return (Record()->treeVis != 0) == (IsWindowVisible(popup) != 0); },
                               2000))
        << "treeVis " << Record()->treeVis << ", popup visible " << IsWindowVisible(popup);
}

}  // namespace
}  // namespace robust
