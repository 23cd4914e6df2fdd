// A first start of Korvane walked the way a user walks it, with the real
// mouse and keyboard on the Wine desktop: the tip and its check box, a
// second start without the tip, the Start button's left half, the tree with
// a program of our own in it, that program's priority set from its menu,
// the tree saved to a file, the help menu and the contact dialog, a second
// copy refused, and a click outside that puts the popup away.
#include <gtest/gtest.h>

#include "help/ContactDlg.h"
#include "journey/RemoteTree.h"
#include "model/Target.h"
#include "model/TreeDump.h"
#include "res/resource.h"
#include "tip/KorvaneCopy.h"

namespace journey {
namespace {

using tiptest::OwnerPid;

// A window's text as the window itself gives it (GetWindowText does not
// ask a control of another process).
std::string Text(HWND w)
{
    char text[1024] = {};
    DWORD_PTR n = 0;
    SendMessageTimeoutA(w, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_ABORTIFHUNG, 2000, &n);
    return text;
}

POINT Middle(HWND w)
{
    RECT r = bench::WindowRect(w);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void ClickAt(POINT p, int button = 1) { bench::MouseClick(p.x, p.y, button); }

// A copy of Korvane in a folder of its own (no "show.txt": a first start).
class Journey : public tiptest::TipTest {
protected:
    void SetUp() override
    {
        TipTest::SetUp();
        dir = ProgramCopy("journey");
    }
    void Start() { StartKorvane(dir); }
    void Quit() { EndKorvane(); }

    // The tree popup: Korvane's dialog window that holds the tree, owned
    // by the main frame.
    HWND Popup()
    {
        for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", nullptr); w;
             w = FindWindowExA(nullptr, w, "#32770", nullptr))
            if (OwnerPid(w) == korvane.Pid() && GetWindow(w, GW_OWNER) == Frame() && GetDlgItem(w, IDC_TREE))
                return w;
        return nullptr;
    }
    HWND VisibleMenu() { return bench::TopLevelOf(korvane.Pid(), "#32768", nullptr, true); }

    std::string dir;
};

TEST_F(Journey, FirstStartToPopupAwayAsAUserWalksIt)
{
    // 1. The first start shows the tip; its check box writes "dont show"
    //    beside the program, and OK puts the tip away.
    Start();
    HWND tip = Tip();
    ASSERT_NE(tip, nullptr) << "no tip on the first start";
    ClickAt(Middle(GetDlgItem(tip, IDC_DONTSHOW)));
    EXPECT_TRUE(bench::WaitFor([&] { return bench::ReadFileBytes(dir + "show.txt") == "dont show"; }))
        << "show.txt holds \"" << bench::ReadFileBytes(dir + "show.txt") << "\"";
    ClickAt(Middle(GetDlgItem(tip, IDOK)));
    ASSERT_TRUE(bench::WaitFor([&] { return !IsWindowVisible(tip); })) << "OK did not put the tip away";

    // 2. Quit, start again: no tip, no window at all.
    Quit();
    ASSERT_FALSE(korvane.Running());
    Start();
    bench::Pump(500);
    EXPECT_TRUE(bench::VisibleWindowsOf(korvane.Pid()).empty()) << "a window showed on the second start";

    // A program of our own for the tree: two worker threads with a window each.
    Target helper;
    ASSERT_TRUE(helper.Start("--threads 2 --windows 1"));
    const TargetReport& report = helper.Last();

    // 3. The mouse over the Start button: Korvane takes the button's place
    //    for its overlay and hands its left half to the hook library.
    HWND start = bench::StartButton();
    ASSERT_NE(start, nullptr);
    const RECT sr = bench::WindowRect(start);
    const int sy = (sr.top + sr.bottom) / 2;
    bench::MouseMove(600, 300);
    bench::MouseMove(sr.left + 6, sy);
    volatile bench::HookWords* words = bench::HookState();
    EXPECT_TRUE(bench::WaitFor([&] {
        return words->btnLeft == sr.left && words->btnTop == sr.top &&
               words->btnHalfWidth == (sr.right - sr.left) / 2 && words->btnHeight == sr.bottom - sr.top;
    }, 3000)) << "the mouse-over did not set the button's zone";

    // 4. A click on the left half: the popup with the tree, and our program
    //    in it with its threads and their windows.
    ClickAt({sr.left + 7, sy});
    ASSERT_TRUE(bench::WaitFor([&] { return words->treeVis == 1 && Popup() && IsWindowVisible(Popup()); }, 20000))
        << "the popup did not show";
    EXPECT_EQ(FindWindowExA(nullptr, nullptr, "#32768", nullptr) &&
                  IsWindowVisible(FindWindowExA(nullptr, nullptr, "#32768", nullptr)),
              false) << "a menu opened: the shell's Start menu?";
    HWND popup = Popup();
    HWND treeWnd = GetDlgItem(popup, IDC_TREE);
    RemoteTree tree(treeWnd, korvane.Handle());
    ASSERT_TRUE(tree.Ok());
    HTREEITEM process = tree.FindChild(nullptr, "Process: " + Hex8(report.pid) + " - ");
    ASSERT_NE(process, nullptr) << "our program is not in the tree";
    EXPECT_EQ(tree.Text(process), "Process: " + Hex8(report.pid) + " - treetarget.exe");
    for (const TargetReport::Thread& t : report.threads) {
        SCOPED_TRACE("thread " + Hex8(t.tid));
        HTREEITEM thread = tree.FindChild(process, "Thread: " + Hex8(t.tid));
        ASSERT_NE(thread, nullptr) << "a thread of our program is missing";
        for (const TargetReport::Window& w : report.windows)
            if (w.tid == t.tid) {
                HTREEITEM win = tree.FindChild(thread, "Window: " + Hex8((UINT_PTR)w.hwnd));
                ASSERT_NE(win, nullptr) << "its window " << w.title << " is missing";
                char cls[64] = {};
                GetClassNameA(w.hwnd, cls, sizeof cls);
                EXPECT_EQ(tree.Text(win), "Window: " + Hex8((UINT_PTR)w.hwnd) + " \"" + w.title + "\" " + cls);
            }
    }
    EXPECT_EQ(tree.Children(process).size(), report.threads.size());

    // 5. A right click on our program, then Set Priority > High with the
    //    keyboard: the program runs in the high class, the popup stays.
    ASSERT_EQ(report.priorityClass, (DWORD)NORMAL_PRIORITY_CLASS);
    bench::Pump(GetDoubleClickTime());
    ClickAt(tree.ScreenPoint(process), 3);
    ASSERT_TRUE(bench::WaitFor([&] { return VisibleMenu() != nullptr; })) << "no menu for the process";
    // Copy Text, (separator), Set Priority > Realtime, High.
    bench::KeyPress("Down Down Right Down Return");
    EXPECT_TRUE(bench::WaitFor([&] { return VisibleMenu() == nullptr; })) << "the keys did not work the menu";
    ASSERT_TRUE(helper.Refresh());
    EXPECT_EQ(helper.Last().priorityClass, (DWORD)HIGH_PRIORITY_CLASS);
    EXPECT_TRUE(IsWindowVisible(popup)) << "choosing the entry put the popup away";

    // 6. The save button: a file name in the Save As dialog, and the file
    //    holds the tree as it shows, one item a line, a tab per level.
    const std::string saved = bench::TempDir("journey-save") + "tree.txt";
    ClickAt(Middle(GetDlgItem(popup, IDC_SAVE)));
    HWND saveAs = VisibleTitled("Save As", 10000);
    ASSERT_NE(saveAs, nullptr) << "no Save As dialog";
    bench::TypeText(saved);
    bench::KeyPress("Return");
    ASSERT_TRUE(bench::WaitFor([&] { return !IsWindow(saveAs) || !IsWindowVisible(saveAs); }, 10000));
    ASSERT_TRUE(bench::WaitFor([&] { return !bench::ReadFileBytes(saved).empty(); }, 5000)) << "no file written";
    std::string expected;
    for (const RemoteItem& i : tree.Items()) {
        expected += std::string(i.depth, '\t');
        for (char c : i.text)
            expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
        expected += "\r\n";
    }
    EXPECT_EQ(bench::ReadFileBytes(saved), expected);
    EXPECT_NE(expected.find("Process: " + Hex8(report.pid)), std::string::npos);
    EXPECT_TRUE(IsWindowVisible(popup)) << "saving put the popup away";

    // 7. The help button: its menu, the contact entry, the contact dialog
    //    with the developer's line; Return closes it.
    ClickAt(Middle(GetDlgItem(popup, IDC_HELPBTN)));
    ASSERT_TRUE(bench::WaitFor([&] { return VisibleMenu() != nullptr; })) << "no help menu";
    const RECT menu = bench::WindowRect(VisibleMenu());
    // Two entries of one height: the first fills the upper half.
    ClickAt({menu.right - 20, menu.top + (menu.bottom - menu.top) / 4});
    HWND contact = VisibleTitled("Contact Developer");
    ASSERT_NE(contact, nullptr) << "no contact dialog";
    EXPECT_EQ(Text(GetDlgItem(contact, IDC_CONTACT_EDIT)), kContactLine);
    EXPECT_TRUE(IsWindowVisible(popup)) << "picking the entry put the popup away";
    bench::KeyPress("Return");
    ASSERT_TRUE(bench::WaitFor([&] { return !IsWindow(contact) || !IsWindowVisible(contact); }))
        << "Return did not close the contact dialog";

    // 8. A second copy says so and ends; the first runs on with its hooks.
    const HWND frame = Frame();
    bench::ChildProcess second;
    ASSERT_TRUE(second.Start(dir + "Korvane.exe"));
    HWND box = bench::FindMessageBox("Quillan", 10000);
    ASSERT_NE(box, nullptr) << "no message from the second copy";
    EXPECT_EQ(OwnerPid(box), second.Pid());
    EXPECT_EQ(bench::MessageBoxText(box), "Program already running - stopping action");
    bench::KeyPress("Return");
    EXPECT_TRUE(second.WaitExit(5000)) << "the second copy did not end";
    EXPECT_EQ(Frame(), frame) << "the first copy lost its hooks";
    EXPECT_TRUE(IsWindowVisible(popup));

    // 9. A click outside puts the popup away.
    bench::MouseClick(700, 200);
    EXPECT_TRUE(bench::WaitFor([&] { return !IsWindowVisible(popup); }, 3000)) << "the click outside did not hide it";
    EXPECT_EQ(words->treeVis, 0);
    EXPECT_TRUE(korvane.Running());
}

}  // namespace
}  // namespace journey
