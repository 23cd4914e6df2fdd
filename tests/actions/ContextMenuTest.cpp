// A real right click on an item opens the menu of the item's kind, at the
// cursor, with the entry for the state read at that moment checked; the
// item becomes the selection and the popup stays open.
#include <gtest/gtest.h>

#include "actions/ActionFixture.h"
#include "res/resource.h"

namespace {

const std::vector<std::string> kProcessMenu = {"Copy Text", "", "Set Priority", "End Process"};
const std::vector<std::string> kThreadMenu = {"Copy Text", "", "Set Priority", "End Thread"};
const std::vector<std::string> kWindowMenu = {"Copy Text", "", "Toggle Visibility", "Highlight Window"};

}  // namespace

TEST_F(ActionTest, RightClickOpensTheMenuOfTheItemsKindWithTheCurrentStateChecked)
{
    Target live, ended;
    ASSERT_TRUE(live.Start("--threads 1 --windows 2"));
    ASSERT_TRUE(ended.Start("--threads 1 --windows 1"));
    frame->RebuildTree();
    ASSERT_TRUE(popup().IsWindowVisible());

    const TargetReport& r = live.Last();
    const DWORD tid = r.Worker(0)->tid;
    HWND retitled = r.Win("0-1")->hwnd;
    const DWORD endedPid = ended.Pid(), endedTid = ended.Last().Worker(0)->tid;
    HTREEITEM endedProcess = ProcessItem(endedPid);
    HTREEITEM endedThread = ThreadItem(endedPid, endedTid);
    ASSERT_TRUE(ended.EndAndForget());
    // A window whose title changed since the build is not found.
    ASSERT_TRUE(SetWindowTextA(retitled, "renamed"));

    struct Case {
        const char* name;
        HTREEITEM item;
        const std::vector<std::string>& entries;
        std::vector<UINT> checked;
    } cases[] = {
        {"process", ProcessItem(r.pid), kProcessMenu, {ID_PROC_NORMAL}},
        {"thread", ThreadItem(r.pid, tid), kThreadMenu, {ID_THREAD_NORMAL}},
        {"visible window", WindowItem(r.pid, tid, r.Win("0-0")->hwnd), kWindowMenu, {ID_WIN_VISIBLE}},
        {"hidden window", WindowItem(r.pid, r.threads[0].tid, r.Win("ctl")->hwnd), kWindowMenu, {ID_WIN_INVISIBLE}},
        {"retitled window", WindowItem(r.pid, tid, retitled), kWindowMenu, {ID_WIN_INVISIBLE}},
        {"process that cannot be opened", endedProcess, kProcessMenu, {}},
        {"thread that cannot be opened", endedThread, kThreadMenu, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(c.item, nullptr);
        // Another item is selected before the right click.
        tree().SelectItem(tree().GetRootItem());
        ASSERT_NE(tree().GetSelectedItem(), c.item);

        MenuSeen seen = RightClickAndChoose(frame, c.item, 0);
        ASSERT_TRUE(seen.opened) << "no menu opened";
        EXPECT_EQ(seen.entries, c.entries);
        EXPECT_EQ(seen.checked, c.checked);
        EXPECT_EQ(seen.selected, c.item) << "the right-clicked item is selected before the menu opens";
        EXPECT_TRUE(seen.popupVisible);
        // Top-left corner at the cursor; the system moves a menu up only when
        // it would not fit above the taskbar, and then just far enough.
        EXPECT_EQ(seen.menuRect.left, seen.click.x);
        MONITORINFO mi = {};
        mi.cbSize = sizeof mi;
        ASSERT_TRUE(GetMonitorInfoA(MonitorFromPoint(seen.click, MONITOR_DEFAULTTONEAREST), &mi));
        if (seen.click.y + (seen.menuRect.bottom - seen.menuRect.top) <= mi.rcWork.bottom) {
            EXPECT_EQ(seen.menuRect.top, seen.click.y);
        } else {
            EXPECT_LT(seen.menuRect.top, seen.click.y);
            EXPECT_LE(seen.menuRect.bottom, mi.rcWork.bottom);
        }
        // Closing the menu without a choice leaves the selection and the popup.
        EXPECT_EQ(tree().GetSelectedItem(), c.item);
        EXPECT_TRUE(seen.popupVisibleAfter);
    }
}

// The menu can be worked with the keyboard while another program is in
// front: Escape closes it with no choice, Down and Return pick its first
// entry. No press ended the menu, so its flag is still up: the next press
// outside the popup only clears it, the one after puts the popup away.
TEST_F(ActionTest, TheMenuWorksWithTheKeyboardAndLeavesItsFlagForTheNextPress)
{
    Target target;
    ASSERT_TRUE(target.Start("--threads 1 --windows 1"));
    HWND front = target.Last().Win("0-0")->hwnd;

    struct {
        const char* keys;
        bool copies;
    } cases[] = {
        {"Escape", false},
        {"Down Return", true},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.keys);
        frame->RebuildTree();
        ASSERT_TRUE(popup().IsWindowVisible());
        HTREEITEM item = ProcessItem(target.Pid());
        ASSERT_NE(item, nullptr);
        const std::string label = ItemText(Tree(), item);
        bench::Pump(GetDoubleClickTime() + 100);  // two right clicks, not a double click
        OpenClipboard(nullptr);
        EmptyClipboard();
        CloseClipboard();
        ASSERT_TRUE(SetForegroundWindow(front));
        ASSERT_TRUE(bench::WaitFor([&] { return GetForegroundWindow() == front; }));

        MenuSeen seen = RightClickAndPress(frame, item, c.keys);
        ASSERT_TRUE(seen.opened) << "no menu opened";
        EXPECT_TRUE(seen.closed) << "the keys did not reach the menu";
        EXPECT_EQ(ClipboardText(), c.copies ? label : "(none)");
        ASSERT_TRUE(popup().IsWindowVisible());

        ExpectFirstPressOutsideOnlyClearsTheMenuFlag(1000, 300);
    }
}

// Each priority entry sets what the process or thread itself then reads
// (its class, its priority), and the next menu shows that entry checked.
TEST_F(ActionTest, ChosenPriorityIsTheOneTheProcessOrThreadHasAndTheNextMenuChecks)
{
    Target target;
    ASSERT_TRUE(target.Start("--threads 1 --windows 1"));
    frame->RebuildTree();
    const DWORD tid = target.Last().Worker(0)->tid;
    HTREEITEM process = ProcessItem(target.Pid());
    HTREEITEM thread = ThreadItem(target.Pid(), tid);
    ASSERT_NE(process, nullptr);
    ASSERT_NE(thread, nullptr);

    const bool kThread = true, kProcess = false;
    struct {
        bool onThread;
        UINT command;
        long value;  // the class for a process, the priority for a thread
    } steps[] = {
        {kProcess, ID_PROC_HIGH, HIGH_PRIORITY_CLASS},
        {kProcess, ID_PROC_ABOVENORMAL, ABOVE_NORMAL_PRIORITY_CLASS},
        {kProcess, ID_PROC_BELOWNORMAL, BELOW_NORMAL_PRIORITY_CLASS},
        {kProcess, ID_PROC_LOW, IDLE_PRIORITY_CLASS},
        {kProcess, ID_PROC_REALTIME, REALTIME_PRIORITY_CLASS},
        {kProcess, ID_PROC_NORMAL, NORMAL_PRIORITY_CLASS},
        {kThread, ID_THREAD_CRITICAL, THREAD_PRIORITY_TIME_CRITICAL},
        {kThread, ID_THREAD_HIGH, THREAD_PRIORITY_HIGHEST},
        {kThread, ID_THREAD_ABOVENORMAL, THREAD_PRIORITY_ABOVE_NORMAL},
        {kThread, ID_THREAD_BELOWNORMAL, THREAD_PRIORITY_BELOW_NORMAL},
        {kThread, ID_THREAD_LOW, THREAD_PRIORITY_LOWEST},
        {kThread, ID_THREAD_IDLE, THREAD_PRIORITY_IDLE},
        {kThread, ID_THREAD_NORMAL, THREAD_PRIORITY_NORMAL},
    };
    UINT previous[2] = {ID_PROC_NORMAL, ID_THREAD_NORMAL};
    for (auto& s : steps) {
        SCOPED_TRACE(s.command);
        MenuSeen seen = RightClickAndChoose(frame, s.onThread ? thread : process, s.command);
        ASSERT_TRUE(seen.opened);
        EXPECT_EQ(seen.checked, std::vector<UINT>{previous[s.onThread]});
        EXPECT_TRUE(seen.box.empty()) << seen.box;
        EXPECT_TRUE(seen.popupVisibleAfter) << "the click on the entry hid the popup";
        ASSERT_TRUE(target.Refresh());
        const TargetReport& r = target.Last();
        EXPECT_EQ(s.onThread ? (long)r.Worker(0)->priority : (long)r.priorityClass, s.value);
        previous[s.onThread] = s.command;
    }
}
