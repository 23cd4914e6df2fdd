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

    // Moves and left clicks go in chains of up to kChain steps, one xdotool
    // run each. Most chains start with a click on the Start button that
    // brings the popup up, and then aim mostly at the tree; every chain is
    // followed by one right click on its own, so that a menu it opens is
    // closed with Escape and no entry is ever picked.
    const int kEvents = 2500, kChain = 60;
    const DWORD kBudgetMs = 75000;
    const DWORD t0 = GetTickCount();
    int events = 0, moves = 0, lefts = 0, rights = 0, menus = 0, menusEscaped = 0, onTree = 0;
    auto chance = [&](int percent) { return std::uniform_int_distribution<int>(0, 99)(rng) < percent; };
    auto visibleTree = [&]() -> HWND {
        HWND popup = k.Popup();
        return popup && IsWindowVisible(popup) ? TreeOf(popup) : nullptr;
    };
    auto pick = [&](HWND tree, bool* treePoint) {
        *treePoint = false;
        const int where = std::uniform_int_distribution<int>(0, 99)(rng);
        if (tree && where < 60) {
            *treePoint = true;
            return in(Inner(bench::WindowRect(tree), 3));  // the tree, not the popup's buttons
        }
        if (where < 75)
            return in(desktop);
        if (where < 90)
            return in(Inner(bar, 2));
        return in(startLeft);
    };
    auto xy = [](POINT p) { return std::to_string(p.x) + " " + std::to_string(p.y); };
    while (events < kEvents && GetTickCount() - t0 < kBudgetMs) {
        HWND tree = visibleTree();
        if (!tree && chance(70)) {
            ASSERT_TRUE(bench::Xdotool("mousemove " + xy(in(startLeft)) + " mousedown 1 sleep 0.01 mouseup 1"));
            ++lefts;
            ++events;
            bench::WaitFor([&] { return (tree = visibleTree()) != nullptr; }, 3000);
        }
        std::string chain;
        for (int i = 0; i < kChain; ++i) {
            bool treePoint;
            const POINT p = pick(tree, &treePoint);
            onTree += treePoint;
            // A few milliseconds between steps, as a quick hand leaves.
            chain += "mousemove " + xy(p) + " sleep 0.005 ";
            // Clicks outside the tree (which hide the popup) are rarer.
            if (chance(treePoint ? 40 : 15)) {
                chain += "mousedown 1 sleep 0.01 mouseup 1 sleep 0.01 ";
                ++lefts;
            } else {
                ++moves;
            }
            ++events;
        }
        ASSERT_TRUE(bench::Xdotool(chain)) << "xdotool did not finish a chain";
        bench::Pump(30);
        ASSERT_TRUE(k.process.Running()) << "Korvane ended by event " << events;

        bool treePoint;
        const POINT p = pick(visibleTree(), &treePoint);
        onTree += treePoint;
        ASSERT_TRUE(bench::Xdotool("mousemove " + xy(p) + " mousedown 3 sleep 0.01 mouseup 3"));
        ++rights;
        ++events;
        if (bench::WaitFor([&] { return VisibleMenuOf(pid) != nullptr; }, 300)) {
            ++menus;
            bool byKeyboard = false;
            ASSERT_TRUE(CloseMenusOf(pid, &byKeyboard)) << "event " << events << ": a menu stayed open";
            menusEscaped += byKeyboard;
        }
        ASSERT_TRUE(k.process.Running()) << "Korvane ended at event " << events;
    }
    const DWORD elapsed = GetTickCount() - t0;
    CloseMenusOf(pid);
    std::printf("random input: %d events (%d moves, %d left clicks, %d right clicks; %d aimed at the shown tree; "
                "%d menus opened, %d closed by Escape) in %lu ms\n",
                events, moves, lefts, rights, onTree, menus, menusEscaped, (unsigned long)elapsed);
    EXPECT_GE(events, 1000) << "too few events in the time";
    EXPECT_GT(onTree, 0) << "the input never reached the popup";
    EXPECT_EQ(menusEscaped, menus) << "a menu ignored Escape";

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
