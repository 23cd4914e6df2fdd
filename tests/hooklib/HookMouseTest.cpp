// The two hooks under the real mouse on the bench's desktop: the real Start
// button, and a window of the test's own whose mouse messages it can count.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/korvmsg.h"
#include "hooklib/korvhook.h"
#include "support/bench.h"

namespace {

int H(HWND w) { return (int)(INT_PTR)w; }

UINT msgLButDown = RegisterWindowMessageA(UWM_LBUTDOWN_MSG);
UINT msgMouseOver = RegisterWindowMessageA(UWM_MOUSEOVER_MSG);
UINT msgLHideTree = RegisterWindowMessageA(UWM_LHIDETREE_MSG);

std::vector<std::string> g_posted;  // registered messages the notify window got, in order
int g_targetLDown = 0, g_targetRDown = 0;

LRESULT CALLBACK NotifyProc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == msgLButDown) g_posted.push_back("lbutdown");
    else if (m == msgMouseOver) g_posted.push_back("mouseover");
    else if (m == msgLHideTree) g_posted.push_back("lhidetree");
    return DefWindowProcA(w, m, wp, lp);
}

LRESULT CALLBACK TargetProc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == WM_LBUTTONDOWN) ++g_targetLDown;
    if (m == WM_RBUTTONDOWN) ++g_targetRDown;
    return DefWindowProcA(w, m, wp, lp);
}

HWND MakeWindow(const char* cls, WNDPROC proc, DWORD style, int x, int y, int w, int h)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = cls;
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_IBEAM);
    RegisterClassA(&wc);
    return CreateWindowExA(WS_EX_TOPMOST, cls, "target", style, x, y, w, h, NULL, NULL, wc.hInstance, NULL);
}

size_t Count(const char* what)
{
    size_t n = 0;
    for (const std::string& s : g_posted) n += (s == what);
    return n;
}

bool StartMenuOpen()
{
    HWND menu = FindWindowA("#32768", NULL);
    return menu && IsWindowVisible(menu);
}

class HookMouse : public ::testing::Test {
protected:
    void SetUp() override
    {
        notify = MakeWindow("KorvTestNotify", NotifyProc, WS_POPUP, 0, 0, 1, 1);
        ASSERT_NE(notify, nullptr);
        start = bench::StartButton();
        ASSERT_NE(start, nullptr) << "no taskbar on the bench desktop";
        bench::MouseMove(500, 300);
        setTreeVis(0); setIsClip(0); setIsMenu(0);
        setMyRect2(0, 0, 0, 0);
    }
    void TearDown() override
    {
        clearMyHook();
        setTreeVis(0); setIsClip(0); setIsMenu(0);
        DestroyWindow(notify);
        if (target) DestroyWindow(target);
        bench::MouseMove(500, 300);
    }
    void Install(HWND watched)
    {
        ASSERT_EQ(setMyHook(H(notify), H(watched)), 1);
        RECT r = bench::WindowRect(watched);
        setMyRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
        g_posted.clear();
    }
    // Presses and releases the left button at (x, y), then lets the posted
    // messages arrive.
    void LeftPress(int x, int y)
    {
        bench::MouseClick(x, y, 1);
        bench::Pump(200);
    }
    HWND notify = NULL, start = NULL, target = NULL;
};

TEST_F(HookMouse, MovingOverTheStartButtonPostsMouseOver)
{
    Install(start);
    RECT r = bench::WindowRect(start);
    const int midY = (r.top + r.bottom) / 2;
    bench::MouseMove(r.right - 5, midY);
    EXPECT_TRUE(bench::WaitFor([] { return Count("mouseover") > 0; }, 3000));
    bench::MouseMove(r.left + 5, midY);
    size_t before = Count("mouseover");
    bench::MouseMove(r.left + 6, midY);
    EXPECT_TRUE(bench::WaitFor([&] { return Count("mouseover") > before; }, 3000));
    EXPECT_EQ(Count("lbutdown"), 0u);
}

TEST_F(HookMouse, LeftHalfClickIsTakenOverRightHalfClickOpensTheStartMenu)
{
    Install(start);
    RECT r = bench::WindowRect(start);
    const int midY = (r.top + r.bottom) / 2;
    const int half = (r.right - r.left) / 2;

    LeftPress(r.left + 3, midY);
    EXPECT_TRUE(bench::WaitFor([] { return Count("lbutdown") == 1; }, 3000));
    EXPECT_GT(Count("mouseover"), 0u);
    bench::Pump(500);
    EXPECT_FALSE(StartMenuOpen()) << "a left click on the left half opened the Start menu";

    // The zone's right edge line is inside.
    g_posted.clear();
    LeftPress(r.left + half, midY);
    EXPECT_TRUE(bench::WaitFor([] { return Count("lbutdown") == 1; }, 3000));

    g_posted.clear();
    LeftPress(r.left + half + 2, midY);
    EXPECT_TRUE(bench::WaitFor(StartMenuOpen, 3000)) << "the right half no longer opens the Start menu";
    EXPECT_GT(Count("mouseover"), 0u);
    EXPECT_EQ(Count("lbutdown"), 0u);
    bench::KeyPress("Escape");
    bench::WaitFor([] { return !StartMenuOpen(); }, 3000);
    if (StartMenuOpen()) LeftPress(600, 200);
}

TEST_F(HookMouse, LeftPressOutsideTheShownTreeAsksToHideIt)
{
    Install(start);
    setMyRect2(400, 200, 200, 150);  // the tree zone: 400..600 x 200..350

    struct Case { const char* what; int vis, menu, clip, x, y; bool hides; } cases[] = {
        {"outside, shown", 1, 0, 0, 300, 300, true},
        {"outside, menu open", 1, 1, 0, 300, 300, false},
        {"outside, clipped", 1, 0, 1, 300, 300, false},
        {"outside, hidden", 0, 0, 0, 300, 300, false},
        {"inside", 1, 0, 0, 500, 300, false},
        {"right-bottom edge point", 1, 0, 0, 600, 350, false},
        {"one past the right edge", 1, 0, 0, 601, 300, true},
    };
    for (const Case& c : cases) {
        setTreeVis(c.vis); setIsMenu(c.menu); setIsClip(c.clip);
        g_posted.clear();
        LeftPress(c.x, c.y);
        EXPECT_EQ(Count("lhidetree"), c.hides ? 1u : 0u) << c.what;
        EXPECT_EQ(Count("lbutdown"), 0u) << c.what;
        EXPECT_EQ(bench::HookState()->isMenu, 0) << c.what << ": the press clears the menu flag";
    }

    // After a menu the first press only clears the flag; the second hides.
    setTreeVis(1); setIsClip(0); setIsMenu(1);
    g_posted.clear();
    LeftPress(300, 300);
    EXPECT_EQ(Count("lhidetree"), 0u);
    LeftPress(300, 300);
    EXPECT_EQ(Count("lhidetree"), 1u);
}

TEST_F(HookMouse, PressInTheButtonZoneWhileShownHidesFirstThenReportsTheClick)
{
    Install(start);
    setMyRect2(400, 200, 200, 150);
    setTreeVis(1);
    RECT r = bench::WindowRect(start);
    LeftPress(r.left + 2, (r.top + r.bottom) / 2);
    ASSERT_TRUE(bench::WaitFor([] { return Count("lbutdown") == 1; }, 3000));
    std::vector<std::string> clicks;
    for (const std::string& s : g_posted)
        if (s != "mouseover") clicks.push_back(s);
    EXPECT_EQ(clicks, (std::vector<std::string>{"lhidetree", "lbutdown"}));
}

TEST_F(HookMouse, TheWatchedWindowSeesNothingOnItsLeftHalf)
{
    // A window of our own stands in for the Start button, so we can count
    // what reaches it.
    target = MakeWindow("KorvTestTarget", TargetProc, WS_POPUP | WS_VISIBLE, 300, 300, 101, 40);
    ASSERT_NE(target, nullptr);
    bench::Pump(200);
    Install(target);
    g_targetLDown = g_targetRDown = 0;

    bench::MouseClick(320, 320, 3);  // right press, left half
    bench::MouseClick(310, 315, 1);  // left press, left half
    bench::Pump(300);
    EXPECT_EQ(g_targetRDown, 0);
    EXPECT_EQ(g_targetLDown, 0);
    EXPECT_EQ(Count("lbutdown"), 1u) << "only the left press reports a click";

    bench::MouseClick(380, 320, 3);  // right half: passes through
    bench::MouseClick(380, 320, 1);
    bench::Pump(300);
    EXPECT_EQ(g_targetRDown, 1);
    EXPECT_EQ(g_targetLDown, 1);
    EXPECT_EQ(Count("lbutdown"), 1u);
}

TEST_F(HookMouse, OnlyTheClientAreaOfTheWatchedWindowCounts)
{
    target = MakeWindow("KorvTestCaption", TargetProc, WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 300, 300, 200, 120);
    ASSERT_NE(target, nullptr);
    bench::Pump(200);
    Install(target);
    RECT wr = bench::WindowRect(target);
    POINT client = {0, 0};
    ClientToScreen(target, &client);
    ASSERT_GT(client.y - wr.top, 8) << "the window has no caption";

    bench::MouseMove(wr.left + 100, wr.top + (client.y - wr.top) / 2);  // on the caption
    bench::MouseMove(wr.left + 101, wr.top + (client.y - wr.top) / 2);
    bench::Pump(300);
    EXPECT_EQ(Count("mouseover"), 0u);

    bench::MouseMove(client.x + 150, client.y + 50);
    EXPECT_TRUE(bench::WaitFor([] { return Count("mouseover") > 0; }, 3000));
}

}  // namespace
