// The one-pass build gives exactly the tree and the lists of the per-process reference
// walk (a thread snapshot per process, a window walk per thread), on a
// desktop that holds still, with processes that own several threads, nested
// windows, a dialog with its controls and a window of one thread inside a
// window of another.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>

#include "model/ReferenceWalk.h"
#include "model/Target.h"
#include "model/TreeDump.h"
#include "support/MainFrameFixture.h"

namespace {

struct Built {
    std::vector<ItemRow> rows;
    std::vector<PROCESSENTRY32> processes;
    std::vector<THREADENTRY32> threads;
    std::vector<HWND> windows;
};

Built Capture(CMainFrame* frame)
{
    Built b;
    b.rows = DumpTree(frame->m_dlgTree.m_tree.m_hWnd);
    for (INT_PTR i = 0; i < frame->ProcessList.GetSize(); ++i) b.processes.push_back(frame->ProcessList[i]);
    for (INT_PTR i = 0; i < frame->ThreadList.GetSize(); ++i) b.threads.push_back(frame->ThreadList[i]);
    for (INT_PTR i = 0; i < frame->WindowList.GetSize(); ++i) b.windows.push_back(frame->WindowList[i]);
    return b;
}

template <class T>
bool SameBytes(const std::vector<T>& a, const std::vector<T>& b)
{
    return a.size() == b.size() && (a.empty() || memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0);
}

// Where two dumps part, for the failure message.
std::string FirstDifference(const std::vector<ItemRow>& a, const std::vector<ItemRow>& b)
{
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    std::ostringstream os;
    os << "row " << i << " of " << a.size() << " / " << b.size() << ": reference ";
    if (i < a.size()) os << a[i]; else os << "(end)";
    os << " | build ";
    if (i < b.size()) os << b[i]; else os << "(end)";
    return os.str();
}

std::vector<HWND> WindowsUnder(HWND tree, HTREEITEM thread)
{
    std::vector<HWND> out;
    for (const ItemRow& r : DumpChildren(tree, thread))
        out.push_back((HWND)(UINT_PTR)strtoul(r.text.substr(8, 8).c_str(), nullptr, 16));
    return out;
}

std::vector<std::string> WindowTitlesUnder(HWND tree, HTREEITEM thread)
{
    std::vector<std::string> titles;
    for (const ItemRow& r : DumpChildren(tree, thread)) {
        size_t a = r.text.find('"'), b = r.text.rfind('"');
        titles.push_back(r.text.substr(a + 1, b - a - 1));
    }
    return titles;
}

}  // namespace

TEST_F(MainFrameTest, OnePassBuildEqualsTheReferenceWalk)
{
    Target a, b;
    ASSERT_TRUE(a.Start("--threads 3 --windows 2 --nested --dialog --cross"));
    ASSERT_TRUE(b.Start("--threads 2 --windows 3 --nested --hidden"));
    bench::Pump(300);  // let the new windows settle

    // The reference first, into the frame's own tree and lists, then the
    // real rebuild, which must throw all of it away.
    tree().DeleteAllItems();
    frame->ProcessList.RemoveAll();
    frame->ThreadList.RemoveAll();
    frame->WindowList.RemoveAll();
    ReferenceFill(tree().m_hWnd, frame->ProcessList, frame->ThreadList, frame->WindowList);
    Built reference = Capture(frame);

    frame->RebuildTree();
    Built built = Capture(frame);

    ASSERT_GT(reference.rows.size(), 20u);
    EXPECT_EQ(built.rows.size(), reference.rows.size());
    EXPECT_TRUE(built.rows == reference.rows) << FirstDifference(reference.rows, built.rows);
    EXPECT_TRUE(SameBytes(built.processes, reference.processes));
    EXPECT_TRUE(SameBytes(built.threads, reference.threads));
    EXPECT_EQ(built.windows, reference.windows);

    // Entry for item: the lists hold one record per item of their level,
    // in item order.
    size_t p = 0, t = 0, w = 0;
    for (const ItemRow& r : built.rows) {
        switch (r.depth) {
        case 0:
            ASSERT_LT(p, built.processes.size());
            EXPECT_EQ(r.text, "Process: " + Hex8(built.processes[p].th32ProcessID) + " - " +
                                  built.processes[p].szExeFile);
            ++p;
            break;
        case 1:
            ASSERT_LT(t, built.threads.size());
            EXPECT_EQ(r.text, "Thread: " + Hex8(built.threads[t].th32ThreadID));
            ++t;
            break;
        default:
            ASSERT_LT(w, built.windows.size());
            EXPECT_EQ(r.text.substr(0, 16), "Window: " + Hex8((UINT_PTR)built.windows[w]));
            ++w;
        }
    }
    EXPECT_EQ(p, built.processes.size());
    EXPECT_EQ(t, built.threads.size());
    EXPECT_EQ(w, built.windows.size());

    // The shapes the reference must have produced too: threads under their
    // process; each thread's windows flat, in pre-order of the hierarchy.
    HWND tv = tree().m_hWnd;
    const TargetReport& ra = a.Last();
    HTREEITEM procA = FindChild(tv, nullptr, "Process: " + Hex8(ra.pid) + " - treetarget.exe");
    ASSERT_NE(procA, nullptr);
    EXPECT_EQ(Children(tv, procA).size(), 4u);
    HTREEITEM w0 = FindChild(tv, procA, "Thread: " + Hex8(ra.Worker(0)->tid));
    HTREEITEM w1 = FindChild(tv, procA, "Thread: " + Hex8(ra.Worker(1)->tid));
    HTREEITEM mainA = FindChild(tv, procA, "Thread: " + Hex8(ra.threads[0].tid));
    ASSERT_TRUE(w0 && w1 && mainA);
    const std::string pa = a.Prefix();
    // Newer top-level windows lie above older ones; each window is followed
    // by its own descendants of the same thread: the dialog by its two
    // controls, the first window by its child and grandchild.
    std::vector<HWND> expected0;
    for (const char* name : {"dlg", "Press", "edit", "0-1", "0-0", "0-0-child", "0-0-grandchild"}) {
        const TargetReport::Window* win = ra.Win(name) ? ra.Win(name) : ra.Titled(name);
        ASSERT_NE(win, nullptr) << name;
        expected0.push_back(win->hwnd);
    }
    std::vector<HWND> listed0 = WindowsUnder(tv, w0);
    EXPECT_NE(std::search(listed0.begin(), listed0.end(), expected0.begin(), expected0.end()), listed0.end());
    // Worker 1's window inside worker 0's window is listed under worker 1,
    // found by walking through worker 0's window.
    std::vector<std::string> titles1 = WindowTitlesUnder(tv, w1);
    EXPECT_NE(std::find(titles1.begin(), titles1.end(), pa + "cross"), titles1.end());
    std::vector<std::string> titlesMain = WindowTitlesUnder(tv, mainA);
    EXPECT_NE(std::find(titlesMain.begin(), titlesMain.end(), pa + "ctl"), titlesMain.end());
    // A hidden window's item: image 3, selected image 3.
    HTREEITEM procB = FindChild(tv, nullptr, "Process: " + Hex8(b.Last().pid) + " - treetarget.exe");
    ASSERT_NE(procB, nullptr);
    HTREEITEM b0 = FindChild(tv, procB, "Thread: " + Hex8(b.Last().Worker(0)->tid));
    ASSERT_NE(b0, nullptr);
    HTREEITEM hiddenItem = FindChild(tv, b0, "Window: " + Hex8((UINT_PTR)b.Last().Win("0-0")->hwnd));
    ASSERT_NE(hiddenItem, nullptr);
    ItemRow hiddenRow = ReadItem(tv, hiddenItem, 0);
    EXPECT_EQ(hiddenRow.image, 3);
    EXPECT_EQ(hiddenRow.selectedImage, 3);
}
