// The tree popup in a real frame, under the real mouse: shown beside the
// bench's Start button, hidden by a click elsewhere unless clipped, laid
// out on every size change, dragged and resized, with tooltips on its
// buttons and its two messages posted to the frame.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "common/korvmsg.h"
#include "support/MainFrameFixture.h"

namespace {

std::string Str(const RECT& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

RECT TreeZone()
{
    volatile bench::HookWords* s = bench::HookState();
    return RECT{s->treeLeft, s->treeTop, s->treeLeft + s->treeWidth, s->treeTop + s->treeHeight};
}

// A child's rectangle in its parent's client coordinates.
RECT ChildRect(const CWnd& child)
{
    RECT r = bench::WindowRect(child.m_hWnd);
    MapWindowPoints(NULL, GetParent(child.m_hWnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

POINT Center(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// Runs mouse input on a second thread while this thread keeps pumping: a
// press on the popup's body or frame enters the system's move or size loop
// inside this thread's handler, which returns only at the release.
void WithMouseFromAnotherThread(const std::function<void()>& input)
{
    std::atomic<bool> done{false};
    std::thread t([&] {
        input();
        done = true;
    });
    bench::WaitFor([&] { return done.load(); }, 20000);
    t.join();
    bench::Pump(100);
}

void Drag(POINT from, POINT to)
{
    WithMouseFromAnotherThread([=] {
        bench::MouseMove(from.x, from.y);
        bench::MouseDown(1);
        bench::MouseMove((from.x + to.x) / 2, (from.y + to.y) / 2);
        bench::MouseMove(to.x, to.y);
        bench::MouseUp(1);
    });
}

// The registered messages the popup posts to the frame, caught on their
// way and turned into WM_NULL, so the frame's menus do not open.
std::vector<std::string> g_caught;
HWND g_frame;
const UINT msgShowMenu = RegisterWindowMessageA(UWM_SHOWMENU_MSG);
const UINT msgShowHelpMenu = RegisterWindowMessageA(UWM_SHOWHELPMENU_MSG);

LRESULT CALLBACK CatchPosted(int code, WPARAM wp, LPARAM lp)
{
    MSG* m = reinterpret_cast<MSG*>(lp);
    if (code == HC_ACTION && wp == PM_REMOVE && m->hwnd == g_frame &&
        (m->message == msgShowMenu || m->message == msgShowHelpMenu)) {
        g_caught.push_back(m->message == msgShowMenu ? "showmenu" : "showhelpmenu");
        m->message = WM_NULL;
    }
    return CallNextHookEx(NULL, code, wp, lp);
}

class Popup : public MainFrameTest {
protected:
    void TearDown() override
    {
        if (hook) UnhookWindowsHookEx(hook);
        MainFrameTest::TearDown();
    }
    // Items of our own, as many and as long as asked.
    void Fill(int count, int length)
    {
        for (int i = 0; i < count; ++i) {
            std::string text = "Item " + std::to_string(i) + " ";
            text.resize(length > (int)text.size() ? length : text.size(), 'w');
            TVINSERTSTRUCTA ins = {};
            ins.hParent = TVI_ROOT;
            ins.hInsertAfter = TVI_LAST;
            ins.item.mask = TVIF_TEXT;
            ins.item.pszText = &text[0];
            tree().InsertItem(&ins);
        }
    }
    // As a left click in the button zone does: measure the Start button,
    // then fit, place and show the popup.
    void Show()
    {
        frame->PaintOverlay();
        frame->SizeAndPlacePopup();
        ASSERT_TRUE(bench::WaitFor([&] { return popup().IsWindowVisible() != FALSE; }, 2000));
        bench::Pump(100);
    }
    void CatchPostedMessages()
    {
        g_caught.clear();
        g_frame = frame->m_hWnd;
        hook = SetWindowsHookExA(WH_GETMESSAGE, CatchPosted, NULL, GetCurrentThreadId());
        ASSERT_NE(hook, nullptr);
    }
    // The popup's layout for its current size, and the tree zone.
    void ExpectLayout(const char* what)
    {
        const RECT w = bench::WindowRect(popup().m_hWnd);
        RECT c;
        GetClientRect(popup().m_hWnd, &c);
        const int W = w.right - w.left;
        EXPECT_EQ(Str(ChildRect(tree())), Str(RECT{2, 22, c.right - 2, c.bottom - 2})) << what;
        EXPECT_EQ(Str(ChildRect(popup().m_picture)), Str(RECT{W / 2 - 28, 0, W / 2 - 28 + 56, 20})) << what;
        EXPECT_EQ(Str(ChildRect(popup().m_btnHelp)), Str(RECT{W - 26, 0, W - 26 + 20, 20})) << what;
        EXPECT_EQ(Str(TreeZone()), Str(w)) << what << ": the tree zone is the popup's window rectangle";
    }
    HHOOK hook = NULL;
};

// Before the popup's first change of size: the places and images that
// initialisation gives.
TEST_F(Popup, ControlsAfterInitialisation)
{
    EXPECT_EQ((COLORREF)tree().SendMessage(TVM_GETBKCOLOR), RGB(255, 255, 240));
    struct Case { const char* what; CWnd* control; UINT getImage; HBITMAP image; RECT place; } cases[] = {
        {"clip", &popup().m_btnClip, BM_GETIMAGE, popup().m_bmpClip, {0, 0, 20, 20}},
        {"save", &popup().m_btnSave, BM_GETIMAGE, popup().m_bmpSave, {25, 0, 45, 20}},
        {"picture", &popup().m_picture, STM_GETIMAGE, popup().m_bmpPicture, {30, 0, 86, 20}},
        {"help", &popup().m_btnHelp, BM_GETIMAGE, popup().m_bmpHelp, {80, 0, 100, 20}},
    };
    for (const Case& c : cases) {
        ASSERT_NE(c.image, nullptr) << c.what << ": bitmap not loaded";
        EXPECT_EQ((HBITMAP)c.control->SendMessage(c.getImage, IMAGE_BITMAP), c.image) << c.what;
        EXPECT_EQ(Str(ChildRect(*c.control)), Str(c.place)) << c.what;
    }
}

TEST_F(Popup, EachButtonHasOneToolWithItsText)
{
    struct Case { const char* what; CToolTipButton* button; const char* text; } cases[] = {
        {"clip", &popup().m_btnClip, "Clip window to keep it visible"},
        {"save", &popup().m_btnSave, "Save to text file"},
        {"help", &popup().m_btnHelp, "Help"},
    };
    for (const Case& c : cases) {
        CToolTipCtrl& tip = c.button->m_ToolTip;
        ASSERT_NE(tip.GetSafeHwnd(), nullptr) << c.what;
        EXPECT_EQ(tip.SendMessage(TTM_GETTOOLCOUNT), 1) << c.what;
        char text[128] = {};
        TOOLINFOA ti = {};
        ti.cbSize = TTTOOLINFOA_V2_SIZE;
        ti.hwnd = c.button->m_hWnd;
        ti.uId = 1;
        ti.lpszText = text;
        tip.SendMessage(TTM_GETTEXTA, sizeof text, (LPARAM)&ti);
        EXPECT_STREQ(text, c.text) << c.what;
        ti.lpszText = nullptr;
        ASSERT_TRUE(tip.SendMessage(TTM_GETTOOLINFOA, 0, (LPARAM)&ti)) << c.what << ": no tool 1 of the button";
        EXPECT_EQ(Str(ti.rect), Str(RECT{0, 0, 20, 20})) << c.what << ": the tool covers the whole button";
    }
}

// The tooltip sees the mouse through the framework's message loop, which
// hands each message to the button's PreTranslateMessage.
TEST_F(Popup, HoverOverAButtonShowsItsTooltip)
{
    Fill(3, 10);
    Show();
    CToolTipButton& help = popup().m_btnHelp;
    HWND tip = help.m_ToolTip.m_hWnd;
    ASSERT_FALSE(IsWindowVisible(tip));
    POINT c = Center(bench::WindowRect(help.m_hWnd));

    std::atomic<bool> moved{false};
    std::thread mouse([&] {
        bench::MouseMove(c.x - 3, c.y);
        bench::MouseMove(c.x, c.y + 1);
        moved = true;
    });
    CWinThread loop;
    UINT_PTR tick = SetTimer(NULL, 0, 20, NULL);  // keeps GetMessage from waiting for good
    const DWORD start = GetTickCount();
    while (!(moved && IsWindowVisible(tip)) && GetTickCount() - start < 8000)
        loop.PumpMessage();
    KillTimer(NULL, tick);
    mouse.join();

    EXPECT_TRUE(IsWindowVisible(tip)) << "no tooltip over the help button";
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ASSERT_TRUE(SendMessageA(tip, TTM_GETCURRENTTOOLA, 0, (LPARAM)&ti));
    EXPECT_EQ(ti.hwnd, help.m_hWnd);
    EXPECT_EQ(ti.uId, 1u);
}

TEST_F(Popup, LayoutFollowsEverySize)
{
    Show();  // puts the tree at (2, 22); a size change keeps its place
    const SIZE sizes[] = {{300, 200}, {301, 201}, {157, 333}, {640, 120}};
    for (SIZE s : sizes) {
        popup().SetWindowPos(nullptr, 50, 60, s.cx, s.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        ExpectLayout(("size " + std::to_string(s.cx) + "x" + std::to_string(s.cy)).c_str());
    }
}

TEST_F(Popup, ShownAboveTheStartButtonFittedToItsTree)
{
    Fill(25, 70);
    Show();
    const RECT start = bench::WindowRect(bench::StartButton());
    const RECT w = bench::WindowRect(popup().m_hWnd);
    EXPECT_TRUE(popup().GetExStyle() & WS_EX_TOPMOST);
    EXPECT_EQ(w.left, 0) << "against the left edge of the work area";
    EXPECT_EQ(w.bottom, start.top) << "its bottom on the Start button's top";
    EXPECT_GT(w.right - w.left, 100) << "grown to the long items";
    EXPECT_GT(w.bottom - w.top, 100) << "grown to the many items";
    EXPECT_EQ(tree().GetScrollLimit(SB_HORZ), 0);
    EXPECT_LE(tree().GetScrollLimit(SB_VERT), 1);
    EXPECT_EQ(bench::HookState()->treeVis, 1);
    ExpectLayout("placed");

    // Each direction ended one step past the first size without scrolling:
    // one step smaller still needs none, two steps smaller does. The width
    // grew while the popup was 100 high.
    const int W = w.right - w.left, H = w.bottom - w.top;
    struct Step { const char* what; int cx, cy, bar; bool scrolls; } steps[] = {
        {"20 narrower", W - 20, 100, SB_HORZ, false},
        {"40 narrower", W - 40, 100, SB_HORZ, true},
        {"20 lower", W, H - 20, SB_VERT, false},
        {"40 lower", W, H - 40, SB_VERT, true},
    };
    for (const Step& s : steps) {
        popup().SetWindowPos(nullptr, 0, 0, s.cx, s.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        const int limit = tree().GetScrollLimit(s.bar);
        EXPECT_EQ(s.bar == SB_HORZ ? limit != 0 : limit > 1, s.scrolls) << s.what << ": limit " << limit;
    }
}

// The zone is inclusive: the point one past the popup's last column still
// counts as inside; the next one does not.
TEST_F(Popup, ClickJustBesideThePopup)
{
    Fill(5, 30);
    Show();
    const RECT w = bench::WindowRect(popup().m_hWnd);
    bench::MouseClick(w.right, w.top);
    bench::Pump(400);
    EXPECT_TRUE(popup().IsWindowVisible()) << "hidden by a click on the zone's edge line";
    bench::MouseClick(w.right + 1, w.top);
    EXPECT_TRUE(bench::WaitFor([&] { return !popup().IsWindowVisible(); }, 3000));
    EXPECT_EQ(bench::HookState()->treeVis, 0);
}

TEST_F(Popup, EmptyTreeGivesTheSmallestPopup)
{
    Show();
    const RECT start = bench::WindowRect(bench::StartButton());
    const RECT w = bench::WindowRect(popup().m_hWnd);
    EXPECT_EQ(Str(w), Str(RECT{0, start.top - 100, 100, start.top}));
    EXPECT_EQ(bench::HookState()->treeVis, 1);
    EXPECT_EQ(Str(TreeZone()), Str(w));
    // The popup's size never changed after the tree was given its first
    // size, so the tree keeps it.
    EXPECT_EQ(Str(ChildRect(tree())), Str(RECT{2, 22, 98, 98}));
}

TEST_F(Popup, DraggedByItsBodyWithTheRealMouse)
{
    Fill(3, 10);
    Show();
    const RECT before = bench::WindowRect(popup().m_hWnd);
    const POINT grab = Center(bench::WindowRect(popup().m_picture.m_hWnd));
    Drag(grab, POINT{grab.x + 150, grab.y - 120});
    const RECT after = bench::WindowRect(popup().m_hWnd);
    EXPECT_EQ(Str(after), Str(RECT{before.left + 150, before.top - 120, before.right + 150, before.bottom - 120}));
    EXPECT_TRUE(popup().IsWindowVisible());
    ExpectLayout("dragged");

    // A press and release without moving rewrites the zone all the same.
    // (The zone meanwhile is the whole screen: a zone without the press
    // point would have the popup hidden by the press.)
    setMyRect2(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    // The strip between the buttons and the tree, in the middle.
    POINT strip = {(after.right - after.left) / 2, 21};
    ClientToScreen(popup().m_hWnd, &strip);
    ASSERT_EQ(ChildWindowFromPoint(popup().m_hWnd, POINT{(after.right - after.left) / 2, 21}), popup().m_hWnd);
    Drag(strip, strip);
    EXPECT_EQ(Str(bench::WindowRect(popup().m_hWnd)), Str(after));
    EXPECT_EQ(Str(TreeZone()), Str(after));
}

TEST_F(Popup, ResizedByItsFrameWithTheRealMouse)
{
    Fill(3, 10);
    Show();
    // Move it clear of the screen's edges first.
    popup().SetWindowPos(nullptr, 300, 200, 200, 200, SWP_NOZORDER);
    struct Case { const char* edge; int dx, dy; int growLeft, growTop, growRight, growBottom; } cases[] = {
        {"right", 1, 0, 0, 0, 60, 0},
        {"bottom", 0, 1, 0, 0, 0, 50},
        {"left", -1, 0, -40, 0, 0, 0},
        {"top", 0, -1, 0, -30, 0, 0},
    };
    for (const Case& c : cases) {
        const RECT w = bench::WindowRect(popup().m_hWnd);
        const POINT mid = Center(w);
        // Two pixels inside the window's edge: on the sizing frame.
        POINT from = {c.dx > 0 ? w.right - 2 : c.dx < 0 ? w.left + 1 : mid.x,
                      c.dy > 0 ? w.bottom - 2 : c.dy < 0 ? w.top + 1 : mid.y};
        POINT to = {from.x + c.growLeft + c.growRight, from.y + c.growTop + c.growBottom};
        Drag(from, to);
        const RECT after = bench::WindowRect(popup().m_hWnd);
        EXPECT_EQ(Str(after), Str(RECT{w.left + c.growLeft, w.top + c.growTop, w.right + c.growRight,
                                       w.bottom + c.growBottom}))
            << c.edge;
        ExpectLayout(c.edge);
    }
}

TEST_F(Popup, RightClickInTheTreeAndTheHelpButtonPostToTheFrame)
{
    Fill(2, 10);
    Show();
    CatchPostedMessages();
    // An empty part of the tree: below its two items.
    // The tree tracks a right press in a loop of its own until the release,
    // so the click comes from another thread.
    const RECT t = bench::WindowRect(tree().m_hWnd);
    WithMouseFromAnotherThread([&] { bench::MouseClick((t.left + t.right) / 2, t.bottom - 8, 3); });
    EXPECT_TRUE(bench::WaitFor([] { return g_caught.size() == 1; }, 3000));
    EXPECT_EQ(g_caught, std::vector<std::string>{"showmenu"});

    g_caught.clear();
    const POINT help = Center(bench::WindowRect(popup().m_btnHelp.m_hWnd));
    for (int i = 0; i < 2; ++i) {
        bench::MouseClick(help.x, help.y, 1);
        bench::Pump(100);
    }
    EXPECT_TRUE(bench::WaitFor([] { return g_caught.size() == 2; }, 3000));
    EXPECT_EQ(g_caught, (std::vector<std::string>{"showhelpmenu", "showhelpmenu"}));
    EXPECT_EQ(popup().m_btnHelp.GetCheck(), BST_UNCHECKED) << "the help button stays pressed in";
    EXPECT_FALSE(popup().m_btnHelp.SendMessage(BM_GETSTATE) & BST_PUSHED);
}

// The whole road of a user's click: the left half of the Start button
// rebuilds the tree and shows the popup above the button.
TEST_F(Popup, LeftClickOnTheStartButtonShowsThePopup)
{
    const RECT start = bench::WindowRect(bench::StartButton());
    setMyRect2(0, 0, 0, 0);
    bench::MouseClick(start.left + 3, (start.top + start.bottom) / 2);
    ASSERT_TRUE(bench::WaitFor([&] { return popup().IsWindowVisible() != FALSE; }, 15000)) << "no popup";
    bench::Pump(100);
    const RECT w = bench::WindowRect(popup().m_hWnd);
    EXPECT_TRUE(popup().GetExStyle() & WS_EX_TOPMOST);
    EXPECT_EQ(w.bottom, start.top);
    EXPECT_EQ(w.left, 0);
    EXPECT_GT(tree().GetCount(), 0u);
    EXPECT_EQ(bench::HookState()->treeVis, 1);
    EXPECT_EQ(Str(TreeZone()), Str(w));

    bench::MouseClick(600, 300);
    EXPECT_TRUE(bench::WaitFor([&] { return !popup().IsWindowVisible(); }, 3000)) << "a click elsewhere left it open";
    EXPECT_EQ(bench::HookState()->treeVis, 0);
}

// Clip pressed in keeps the popup open against clicks elsewhere, also after
// the popup was hidden and shown again through the Start button.
TEST_F(Popup, ClipKeepsThePopupOpen)
{
    const RECT start = bench::WindowRect(bench::StartButton());
    const POINT zone = {start.left + 3, (start.top + start.bottom) / 2};
    auto visible = [&] { return popup().IsWindowVisible() != FALSE; };
    bench::MouseClick(zone.x, zone.y);
    ASSERT_TRUE(bench::WaitFor(visible, 15000));

    const POINT clip = Center(bench::WindowRect(popup().m_btnClip.m_hWnd));
    bench::MouseClick(clip.x, clip.y);
    ASSERT_TRUE(bench::WaitFor([] { return bench::HookState()->isClip == 1; }, 3000));
    EXPECT_EQ(popup().m_btnClip.GetCheck(), BST_CHECKED);

    bench::MouseClick(600, 300);
    bench::Pump(500);
    EXPECT_TRUE(visible()) << "clipped, yet hidden by a click elsewhere";
    EXPECT_EQ(bench::HookState()->treeVis, 1);

    // Hidden and shown again by the rebuild of a click on the Start button;
    // the emptied tree shows when the rebuild has run.
    tree().DeleteAllItems();
    bench::MouseClick(zone.x, zone.y);
    ASSERT_TRUE(bench::WaitFor([&] { return tree().GetCount() > 0 && visible(); }, 15000));
    EXPECT_EQ(popup().m_btnClip.GetCheck(), BST_CHECKED);
    EXPECT_EQ(bench::HookState()->isClip, 1);
    bench::MouseClick(600, 300);
    bench::Pump(500);
    EXPECT_TRUE(visible()) << "no longer clipped after hide and show";

    // Released, a click elsewhere hides it again.
    const POINT clip2 = Center(bench::WindowRect(popup().m_btnClip.m_hWnd));
    bench::MouseClick(clip2.x, clip2.y);
    ASSERT_TRUE(bench::WaitFor([] { return bench::HookState()->isClip == 0; }, 3000));
    EXPECT_EQ(popup().m_btnClip.GetCheck(), BST_UNCHECKED);
    bench::MouseClick(600, 300);
    EXPECT_TRUE(bench::WaitFor([&] { return !visible(); }, 3000));
    EXPECT_EQ(bench::HookState()->treeVis, 0);
}

}  // namespace
