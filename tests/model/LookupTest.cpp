// From a tree item back to its record: by the whole label, only within the
// item's own kind, with the index of the entry.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/Target.h"
#include "model/TreeDump.h"
#include "support/MainFrameFixture.h"

namespace {

DWORD IdOfLabel(const std::string& label, size_t at)
{
    return strtoul(label.substr(at, 8).c_str(), nullptr, 16);
}

class LookupTest : public MainFrameTest {
protected:
    HWND Tree() { return tree().m_hWnd; }
    HTREEITEM ProcessItem(DWORD pid) { return FindChild(Tree(), nullptr, "Process: " + Hex8(pid) + " - "); }
    HTREEITEM ThreadItem(HTREEITEM proc, DWORD tid) { return FindChild(Tree(), proc, "Thread: " + Hex8(tid)); }
    HTREEITEM WindowItem(HTREEITEM thread, HWND w) { return FindChild(Tree(), thread, "Window: " + Hex8((UINT_PTR)w)); }
};

}  // namespace

TEST_F(LookupTest, EmptyListsFindNothing)
{
    // An item labelled exactly as a record of this process would be, but no
    // build has filled the lists.
    std::string label = "Process: " + Hex8(GetCurrentProcessId()) + " - model_tests.exe";
    TVINSERTSTRUCTA is = {};
    is.hParent = TVI_ROOT;
    is.hInsertAfter = TVI_LAST;
    is.item.mask = TVIF_TEXT;
    is.item.pszText = &label[0];
    HTREEITEM item = tree().InsertItem(&is);
    ASSERT_NE(item, nullptr);

    int index = -5;
    EXPECT_EQ(frame->ItemToProcess(item, &index), nullptr);
    EXPECT_EQ(frame->ItemToThread(item, &index), nullptr);
    EXPECT_EQ(frame->ItemToWindow(item, &index), nullptr);
    EXPECT_EQ(index, -5);
}

TEST_F(LookupTest, EachLookupFindsOnlyItemsOfItsOwnKind)
{
    Target target;
    ASSERT_TRUE(target.Start("--threads 1 --windows 1"));
    frame->RebuildTree();

    const TargetReport& r = target.Last();
    HTREEITEM proc = ProcessItem(r.pid);
    ASSERT_NE(proc, nullptr);
    HTREEITEM thread = ThreadItem(proc, r.Worker(0)->tid);
    ASSERT_NE(thread, nullptr);
    HWND win = r.Win("0-0")->hwnd;
    HTREEITEM window = WindowItem(thread, win);
    ASSERT_NE(window, nullptr);

    // Right kind: the object behind the item, and its entry's index.
    int index = -1;
    HANDLE h = frame->ItemToProcess(proc, &index);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GetProcessId(h), r.pid);
    EXPECT_EQ(frame->ProcessList[index].th32ProcessID, r.pid);
    CloseHandle(h);
    h = frame->ItemToThread(thread, &index);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GetThreadId(h), r.Worker(0)->tid);
    EXPECT_EQ(frame->ThreadList[index].th32ThreadID, r.Worker(0)->tid);
    CloseHandle(h);
    EXPECT_EQ(frame->ItemToWindow(window, &index), win);
    EXPECT_EQ(frame->WindowList[index], win);

    // Wrong kind: nothing, and the index is left alone.
    struct Case {
        const char* name;
        std::function<bool(int*)> found;
    } cases[] = {
        {"process lookup, thread item", [&](int* i) { return frame->ItemToProcess(thread, i) != nullptr; }},
        {"process lookup, window item", [&](int* i) { return frame->ItemToProcess(window, i) != nullptr; }},
        {"thread lookup, process item", [&](int* i) { return frame->ItemToThread(proc, i) != nullptr; }},
        {"thread lookup, window item", [&](int* i) { return frame->ItemToThread(window, i) != nullptr; }},
        {"window lookup, process item", [&](int* i) { return frame->ItemToWindow(proc, i) != nullptr; }},
        {"window lookup, thread item", [&](int* i) { return frame->ItemToWindow(thread, i) != nullptr; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int untouched = -7;
        EXPECT_FALSE(c.found(&untouched));
        EXPECT_EQ(untouched, -7);
    }
}

// After a record and its item go, every other item still finds its own
// record, at its new place in the list.
TEST_F(LookupTest, AfterRemoveAtEveryRemainingItemFindsItsRecord)
{
    Target target;
    ASSERT_TRUE(target.Start("--threads 2 --windows 1"));
    frame->RebuildTree();
    const TargetReport& r = target.Last();
    HWND t = Tree();

    HTREEITEM proc = ProcessItem(r.pid);
    ASSERT_NE(proc, nullptr);
    HTREEITEM gone = ThreadItem(proc, r.Worker(0)->tid);
    ASSERT_NE(gone, nullptr);
    int k = -1;
    HANDLE h = frame->ItemToThread(gone, &k);
    ASSERT_NE(h, nullptr);
    CloseHandle(h);
    const INT_PTR threadsBefore = frame->ThreadList.GetSize();
    const size_t goneWindows = Children(t, gone).size();
    ASSERT_LT(k + 1, threadsBefore) << "the removed record should have records after it";
    frame->ThreadList.RemoveAt(k, 1);
    tree().DeleteItem(gone);

    // A process record from the middle of the list goes; its item stays in
    // the tree, as its threads are still to be looked up.
    std::vector<HTREEITEM> roots = Children(t, nullptr);
    ASSERT_GE(roots.size(), 3u);
    HTREEITEM proc2 = roots[roots.size() / 2];
    int pk = -1;
    h = frame->ItemToProcess(proc2, &pk);
    if (h)
        CloseHandle(h);
    ASSERT_EQ(pk, (int)roots.size() / 2);
    frame->ProcessList.RemoveAt(pk, 1);

    int processPos = 0, threadPos = 0, windowPos = 0, lastWindowIndex = -1;
    for (HTREEITEM p : Children(t, nullptr)) {
        std::string label = ItemText(t, p);
        int index = -1;
        h = frame->ItemToProcess(p, &index);
        if (p == proc2) {
            EXPECT_EQ(h, nullptr) << "its record is gone";
            EXPECT_EQ(index, -1);
        } else {
            SCOPED_TRACE(label);
            EXPECT_EQ(index, processPos);
            if (h) {
                EXPECT_EQ(GetProcessId(h), IdOfLabel(label, 9));
            }
            ++processPos;
        }
        if (h)
            CloseHandle(h);
        for (HTREEITEM th : Children(t, p)) {
            std::string tl = ItemText(t, th);
            SCOPED_TRACE(tl);
            index = -1;
            h = frame->ItemToThread(th, &index);
            EXPECT_EQ(index, threadPos);
            if (h) {
                EXPECT_EQ(GetThreadId(h), IdOfLabel(tl, 8));
                CloseHandle(h);
            }
            ++threadPos;
            for (HTREEITEM w : Children(t, th)) {
                std::string wl = ItemText(t, w);
                SCOPED_TRACE(wl);
                index = -1;
                // The window records of the removed thread's windows stay
                // (nothing removes window records), so the indices skip them.
                EXPECT_EQ((UINT_PTR)frame->ItemToWindow(w, &index), (UINT_PTR)IdOfLabel(wl, 8));
                EXPECT_GT(index, lastWindowIndex);
                lastWindowIndex = index;
                ++windowPos;
            }
        }
    }
    EXPECT_EQ(processPos, frame->ProcessList.GetSize());
    EXPECT_EQ(threadPos, frame->ThreadList.GetSize());
    EXPECT_EQ(threadPos, threadsBefore - 1);
    EXPECT_EQ(windowPos + goneWindows, (size_t)frame->WindowList.GetSize());
}

TEST_F(LookupTest, EndedProcessGivesIndexButNoHandle)
{
    Target target;
    ASSERT_TRUE(target.Start("--threads 1 --windows 1"));
    frame->RebuildTree();
    const DWORD pid = target.Pid();
    const DWORD tid = target.Last().Worker(0)->tid;
    HTREEITEM proc = ProcessItem(pid);
    ASSERT_NE(proc, nullptr);
    HTREEITEM thread = ThreadItem(proc, tid);
    ASSERT_NE(thread, nullptr);
    int where = -1;
    HANDLE h = frame->ItemToProcess(proc, &where);
    ASSERT_NE(h, nullptr);
    CloseHandle(h);

    ASSERT_TRUE(target.EndAndForget()) << "the ended process's id still opens";

    int index = -1;
    EXPECT_EQ(frame->ItemToProcess(proc, &index), nullptr);
    EXPECT_EQ(index, where);
    index = -1;
    EXPECT_EQ(frame->ItemToThread(thread, &index), nullptr);
    EXPECT_GE(index, 0);
}

TEST_F(LookupTest, RetitledWindowIsNotFound)
{
    Target target;
    ASSERT_TRUE(target.Start("--threads 1 --windows 1"));
    frame->RebuildTree();
    const TargetReport& r = target.Last();
    HWND win = r.Win("0-0")->hwnd;
    HTREEITEM window = WindowItem(ThreadItem(ProcessItem(r.pid), r.Worker(0)->tid), win);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(frame->ItemToWindow(window), win);

    // The label is made from the title of the moment.
    ASSERT_TRUE(SetWindowTextA(win, "renamed"));
    int index = -3;
    EXPECT_EQ(frame->ItemToWindow(window, &index), nullptr);
    EXPECT_EQ(index, -3);
    ASSERT_TRUE(SetWindowTextA(win, (target.Prefix() + "0-0").c_str()));
    EXPECT_EQ(frame->ItemToWindow(window, &index), win);
}
