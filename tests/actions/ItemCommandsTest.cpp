// The item commands, chosen from the real context menu: ending a process or
// a thread, showing and hiding a window, copying an item's text; and what
// the commands do with no item selected.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "actions/ActionFixture.h"
#include "model/ReferenceWalk.h"
#include "res/resource.h"

namespace {

size_t SubtreeSize(HWND tree, HTREEITEM item)
{
    size_t n = 1;
    for (HTREEITEM c : Children(tree, item))
        n += SubtreeSize(tree, c);
    return n;
}

// The window items AddThreadWindows' walk gives for one thread right now,
// built by the reference walk in a tree of the test's own.
std::vector<ItemRow> CurrentWindowRows(DWORD tid)
{
    HWND scratch = CreateWindowExA(0, WC_TREEVIEWA, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ReferenceThreadWindows(scratch, nullptr, tid, nullptr, nullptr);
    std::vector<ItemRow> rows = DumpChildren(scratch, nullptr);
    DestroyWindow(scratch);
    return rows;
}

std::string ErrorText(DWORD code)
{
    return "Error code: " + std::to_string((int)code);
}

}  // namespace

TEST_F(ActionTest, EndProcessEndsItWithCodeZeroAndTakesItsWholeSubtree)
{
    Target doomed, other;
    ASSERT_TRUE(doomed.Start("--threads 2 --windows 2 --nested"));
    ASSERT_TRUE(other.Start("--threads 1 --windows 1"));
    frame->RebuildTree();
    HTREEITEM item = ProcessItem(doomed.Pid());
    ASSERT_NE(item, nullptr);
    const size_t subtree = SubtreeSize(Tree(), item);
    ASSERT_GE(subtree, 1u + 3u + 6u);
    const UINT items = tree().GetCount();
    const INT_PTR processes = frame->ProcessList.GetSize(), threads = frame->ThreadList.GetSize(),
                  windows = frame->WindowList.GetSize();

    MenuSeen seen = RightClickAndChoose(frame, item, ID_END_PROCESS);
    EXPECT_TRUE(seen.box.empty()) << seen.box;
    DWORD code = 1;
    ASSERT_TRUE(doomed.Process()->WaitExit(5000, &code));
    EXPECT_EQ(code, 0u);

    EXPECT_EQ(ProcessItem(doomed.Pid()), nullptr);
    EXPECT_EQ(tree().GetCount(), items - subtree) << "its threads and windows go with it";
    EXPECT_EQ(frame->ProcessList.GetSize(), processes - 1);
    // The records of its threads and windows stay.
    EXPECT_EQ(frame->ThreadList.GetSize(), threads);
    EXPECT_EQ(frame->WindowList.GetSize(), windows);
    EXPECT_NE(ProcessItem(other.Pid()), nullptr);
    ExpectEveryProcessItemFindsItsRecord();
    EXPECT_TRUE(seen.popupVisibleAfter);
}

TEST_F(ActionTest, EndThreadEndsItWithCodeZeroAndTakesItsWindows)
{
    Target target;
    ASSERT_TRUE(target.Start("--threads 2 --windows 2"));
    frame->RebuildTree();
    const DWORD tid = target.Last().Worker(1)->tid;
    HTREEITEM item = ThreadItem(target.Pid(), tid);
    ASSERT_NE(item, nullptr);
    const size_t subtree = SubtreeSize(Tree(), item);
    ASSERT_GE(subtree, 3u);
    const UINT items = tree().GetCount();
    const INT_PTR processes = frame->ProcessList.GetSize(), threads = frame->ThreadList.GetSize(),
                  windows = frame->WindowList.GetSize();

    MenuSeen seen = RightClickAndChoose(frame, item, ID_END_THREAD);
    EXPECT_TRUE(seen.box.empty()) << seen.box;
    ASSERT_TRUE(bench::WaitFor([&] { return target.Refresh() && target.Last().Worker(1)->exitCode != STILL_ACTIVE; }));
    EXPECT_EQ(target.Last().Worker(1)->exitCode, 0u);
    EXPECT_EQ(target.Last().Worker(0)->exitCode, (DWORD)STILL_ACTIVE);

    EXPECT_EQ(ThreadItem(target.Pid(), tid), nullptr);
    EXPECT_EQ(tree().GetCount(), items - subtree);
    EXPECT_EQ(frame->ThreadList.GetSize(), threads - 1);
    EXPECT_EQ(frame->ProcessList.GetSize(), processes);
    EXPECT_EQ(frame->WindowList.GetSize(), windows);
    ExpectEveryThreadItemFindsItsRecord();
}

// A process or thread that is gone cannot be opened, so the command's call
// fails; the box shows the system's code and nothing changes.
TEST_F(ActionTest, EndingWhatCannotBeEndedShowsTheErrorCodeAndChangesNothing)
{
    Target gone;
    ASSERT_TRUE(gone.Start("--threads 1 --windows 1"));
    frame->RebuildTree();
    const DWORD pid = gone.Pid();
    HTREEITEM processItem = ProcessItem(pid);
    HTREEITEM threadItem = ThreadItem(pid, gone.Last().Worker(0)->tid);
    ASSERT_TRUE(processItem && threadItem);
    ASSERT_TRUE(gone.EndAndForget());

    struct Case {
        const char* name;
        HTREEITEM item;
        UINT command;
        DWORD code;
    } cases[] = {
        {"End Process", processItem, ID_END_PROCESS,
         CodeOfCallWithoutHandle([] { TerminateProcess(nullptr, 0); })},
        {"End Thread", threadItem, ID_END_THREAD, CodeOfCallWithoutHandle([] { TerminateThread(nullptr, 0); })},
        {"Set Priority High", processItem, ID_PROC_HIGH,
         CodeOfCallWithoutHandle([] { SetPriorityClass(nullptr, HIGH_PRIORITY_CLASS); })},
        {"thread Set Priority Idle", threadItem, ID_THREAD_IDLE,
         CodeOfCallWithoutHandle([] { SetThreadPriority(nullptr, THREAD_PRIORITY_IDLE); })},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(c.code, 0u);
        const std::vector<ItemRow> before = DumpTree(Tree());
        const INT_PTR processes = frame->ProcessList.GetSize(), threads = frame->ThreadList.GetSize();

        MenuSeen seen = RightClickAndChoose(frame, c.item, c.command, true);
        EXPECT_EQ(seen.box, ErrorText(c.code));
        EXPECT_TRUE(DumpTree(Tree()) == before);
        EXPECT_EQ(frame->ProcessList.GetSize(), processes);
        EXPECT_EQ(frame->ThreadList.GetSize(), threads);
    }
}

TEST_F(ActionTest, InvisibleAndVisibleChangeTheWindowAndListItsThreadsWindowsAgain)
{
    Target target;
    ASSERT_TRUE(target.Start("--threads 1 --windows 2 --nested"));
    frame->RebuildTree();
    const DWORD pid = target.Pid(), tid = target.Last().Worker(0)->tid;
    HWND w = target.Last().Win("0-0")->hwnd;
    // A window the thread makes after the build.
    ASSERT_TRUE(target.AddWindow(w));
    HWND extra = target.Last().Win("0-extra1")->hwnd;
    ASSERT_EQ(WindowItem(pid, tid, extra), nullptr);
    const INT_PTR windows = frame->WindowList.GetSize();

    struct Step {
        UINT command;
        bool visible;
    } steps[] = {{ID_WIN_INVISIBLE, false}, {ID_WIN_VISIBLE, true}};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.command);
        HTREEITEM item = WindowItem(pid, tid, w);
        ASSERT_NE(item, nullptr);
        RightClickAndChoose(frame, item, s.command);

        EXPECT_EQ(IsWindowVisible(w) != FALSE, s.visible);
        ASSERT_TRUE(target.Refresh());
        EXPECT_EQ(target.Last().Win("0-0")->visible, s.visible) << "as the window's own process sees it";

        // The thread's window items: as the walk finds them now, in the
        // current window order, the new window included.
        std::vector<ItemRow> rows = DumpChildren(Tree(), ThreadItem(pid, tid));
        EXPECT_TRUE(rows == CurrentWindowRows(tid));
        HTREEITEM now = WindowItem(pid, tid, w);
        ASSERT_NE(now, nullptr);
        EXPECT_EQ(ReadItem(Tree(), now, 0).image, s.visible ? 2 : 3);
        HTREEITEM added = WindowItem(pid, tid, extra);
        ASSERT_NE(added, nullptr);
        EXPECT_EQ(ReadItem(Tree(), added, 0).image, 2);
        // No records for the items listed again.
        EXPECT_EQ(frame->WindowList.GetSize(), windows);
    }
    // The new window has no record: its item finds no window.
    EXPECT_EQ(frame->ItemToWindow(WindowItem(pid, tid, extra)), nullptr);
}

TEST_F(ActionTest, VisibilityCommandOnAWindowNotFoundEmptiesItsThreadItem)
{
    Target target;
    ASSERT_TRUE(target.Start("--threads 1 --windows 2"));
    frame->RebuildTree();
    const DWORD pid = target.Pid(), tid = target.Last().Worker(0)->tid;
    HWND w = target.Last().Win("0-0")->hwnd;
    HTREEITEM item = WindowItem(pid, tid, w);
    ASSERT_NE(item, nullptr);
    ASSERT_TRUE(SetWindowTextA(w, "renamed"));

    RightClickAndChoose(frame, item, ID_WIN_INVISIBLE);
    EXPECT_TRUE(IsWindowVisible(w)) << "no window was found, so none was hidden";
    EXPECT_TRUE(Children(Tree(), ThreadItem(pid, tid)).empty());
}

TEST_F(ActionTest, CopyTextPutsTheItemsWholeLabelOnTheClipboard)
{
    Target target;
    ASSERT_TRUE(target.Start("--threads 1 --windows 1"));
    frame->RebuildTree();
    const DWORD pid = target.Pid(), tid = target.Last().Worker(0)->tid;
    HWND w = target.Last().Win("0-0")->hwnd;

    struct Case {
        HTREEITEM item;
        UINT command;
        std::string label;
    } cases[] = {
        {ProcessItem(pid), ID_COPY_PROCESS, "Process: " + Hex8(pid) + " - treetarget.exe"},
        {ThreadItem(pid, tid), ID_COPY_THREAD, "Thread: " + Hex8(tid)},
        {WindowItem(pid, tid, w), ID_COPY_WINDOW,
         "Window: " + Hex8((UINT_PTR)w) + " \"" + target.Prefix() + "0-0\" KorvTargetWnd"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_NE(c.item, nullptr);
        ASSERT_TRUE(SetClipboardText("something else"));
        RightClickAndChoose(frame, c.item, c.command);
        EXPECT_EQ(ClipboardText(), c.label);
    }
}

// A right click beside every item leaves no item selected; a command chosen
// then has nothing to act on and does nothing: no box, no change.
TEST_F(ActionTest, CommandsWithNoSelectedItemDoNothing)
{
    Target target;
    ASSERT_TRUE(target.Start("--threads 1 --windows 1"));
    frame->RebuildTree();
    tree().SelectItem(nullptr);
    ASSERT_EQ(tree().GetSelectedItem(), nullptr);
    ASSERT_TRUE(SetClipboardText("kept"));
    const std::vector<ItemRow> before = DumpTree(Tree());
    const INT_PTR processes = frame->ProcessList.GetSize(), threads = frame->ThreadList.GetSize(),
                  windows = frame->WindowList.GetSize();

    std::atomic<bool> stop(false), stopped(false);
    std::atomic<int> boxes(0);
    std::thread watcher([&] {
        while (!stop) {
            if (HWND box = bench::FindMessageBox("Quillan", 100)) {
                ++boxes;
                bench::PressOk(box);
            }
        }
        stopped = true;
    });
    const UINT commands[] = {ID_COPY_PROCESS, ID_COPY_THREAD, ID_COPY_WINDOW, ID_PROC_REALTIME, ID_PROC_HIGH,
                             ID_PROC_ABOVENORMAL, ID_PROC_NORMAL, ID_PROC_BELOWNORMAL, ID_PROC_LOW,
                             ID_THREAD_CRITICAL, ID_THREAD_HIGH, ID_THREAD_ABOVENORMAL, ID_THREAD_NORMAL,
                             ID_THREAD_BELOWNORMAL, ID_THREAD_LOW, ID_THREAD_IDLE, ID_END_PROCESS, ID_END_THREAD,
                             ID_WIN_VISIBLE, ID_WIN_INVISIBLE, ID_HIGHLIGHT_WINDOW};
    for (UINT cmd : commands)
        frame->SendMessage(WM_COMMAND, cmd, 0);
    bench::Pump(300);
    stop = true;
    // The watcher reads our windows' titles, which this thread answers.
    bench::WaitFor([&] { return stopped.load(); });
    watcher.join();

    EXPECT_EQ(boxes.load(), 0);
    EXPECT_EQ(ClipboardText(), "kept");
    EXPECT_TRUE(DumpTree(Tree()) == before);
    EXPECT_EQ(frame->ProcessList.GetSize(), processes);
    EXPECT_EQ(frame->ThreadList.GetSize(), threads);
    EXPECT_EQ(frame->WindowList.GetSize(), windows);
    ASSERT_TRUE(target.Refresh());
    EXPECT_EQ(target.Last().priorityClass, (DWORD)NORMAL_PRIORITY_CLASS);
}
