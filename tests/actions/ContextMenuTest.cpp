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
    ended.EndAndForget();
    ASSERT_TRUE(bench::WaitFor([&] {
        HANDLE p = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, endedPid);
        if (p) CloseHandle(p);
        return p == nullptr;
    }));
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
        // Top-left corner at the cursor (the system moves a menu up only when
        // it would not fit below).
        EXPECT_EQ(seen.menuRect.left, seen.click.x);
        if (seen.click.y + (seen.menuRect.bottom - seen.menuRect.top) <= GetSystemMetrics(SM_CYSCREEN)) {
            EXPECT_EQ(seen.menuRect.top, seen.click.y);
        }
        // Closing the menu without a choice leaves the selection and the popup.
        EXPECT_EQ(tree().GetSelectedItem(), c.item);
        EXPECT_TRUE(seen.popupVisibleAfter);
    }
}

// Each priority entry sets the class that the process itself then reads,
// and the next menu shows that class checked.
TEST_F(ActionTest, ChosenProcessPriorityIsTheOneTheProcessReadsAndTheNextMenuChecks)
{
    Target target;
    ASSERT_TRUE(target.Start("--threads 1 --windows 1"));
    frame->RebuildTree();
    HTREEITEM item = ProcessItem(target.Pid());
    ASSERT_NE(item, nullptr);

    struct {
        UINT command;
        DWORD priorityClass;
    } steps[] = {
        {ID_PROC_HIGH, HIGH_PRIORITY_CLASS},
        {ID_PROC_ABOVENORMAL, ABOVE_NORMAL_PRIORITY_CLASS},
        {ID_PROC_BELOWNORMAL, BELOW_NORMAL_PRIORITY_CLASS},
        {ID_PROC_LOW, IDLE_PRIORITY_CLASS},
        {ID_PROC_REALTIME, REALTIME_PRIORITY_CLASS},
        {ID_PROC_NORMAL, NORMAL_PRIORITY_CLASS},
    };
    UINT previous = ID_PROC_NORMAL;
    for (auto& s : steps) {
        SCOPED_TRACE(s.command);
        MenuSeen seen = RightClickAndChoose(frame, item, s.command);
        ASSERT_TRUE(seen.opened);
        EXPECT_EQ(seen.checked, std::vector<UINT>{previous});
        EXPECT_TRUE(seen.box.empty()) << seen.box;
        EXPECT_TRUE(seen.popupVisibleAfter) << "the click on the entry hid the popup";
        ASSERT_TRUE(target.Refresh());
        EXPECT_EQ(target.Last().priorityClass, s.priorityClass);
        previous = s.command;
    }
}

TEST_F(ActionTest, ChosenThreadPriorityIsTheOneTheThreadHas)
{
    Target target;
    ASSERT_TRUE(target.Start("--threads 1 --windows 1"));
    frame->RebuildTree();
    const DWORD tid = target.Last().Worker(0)->tid;
    HTREEITEM item = ThreadItem(target.Pid(), tid);
    ASSERT_NE(item, nullptr);

    struct {
        UINT command;
        int priority;
    } steps[] = {
        {ID_THREAD_CRITICAL, THREAD_PRIORITY_TIME_CRITICAL},
        {ID_THREAD_HIGH, THREAD_PRIORITY_HIGHEST},
        {ID_THREAD_ABOVENORMAL, THREAD_PRIORITY_ABOVE_NORMAL},
        {ID_THREAD_BELOWNORMAL, THREAD_PRIORITY_BELOW_NORMAL},
        {ID_THREAD_LOW, THREAD_PRIORITY_LOWEST},
        {ID_THREAD_IDLE, THREAD_PRIORITY_IDLE},
        {ID_THREAD_NORMAL, THREAD_PRIORITY_NORMAL},
    };
    UINT previous = ID_THREAD_NORMAL;
    for (auto& s : steps) {
        SCOPED_TRACE(s.command);
        MenuSeen seen = RightClickAndChoose(frame, item, s.command);
        ASSERT_TRUE(seen.opened);
        EXPECT_EQ(seen.checked, std::vector<UINT>{previous});
        EXPECT_TRUE(seen.box.empty()) << seen.box;
        ASSERT_TRUE(target.Refresh());
        EXPECT_EQ(target.Last().Worker(0)->priority, s.priority);
        previous = s.command;
    }
}
