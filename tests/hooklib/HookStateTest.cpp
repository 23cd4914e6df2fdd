// The exports, the zone arithmetic, the install rules and the sharing of
// the 13 words between processes.
#include <gtest/gtest.h>

#include <sstream>

#include "hooklib/korvhook.h"
#include "hooklib/zones.h"
#include "support/bench.h"

namespace {

int H(HWND w) { return (int)(INT_PTR)w; }

TEST(HookSetters, StoreTheirArgumentsUncheckedAndHalveTheButtonWidthTowardZero)
{
    volatile bench::HookWords* s = bench::HookState();
    ASSERT_NE(s, nullptr);
    struct Case { int l, t, w, h; LONG half; } cases[] = {
        {0, 748, 53, 20, 26}, {0, 748, 55, 20, 27}, {10, 20, 101, 40, 50},
        {10, 20, -3, 40, -1}, {-5, -7, 0, -1, 0}, {-100, 0, -101, 5, -50},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(setMyRect(c.l, c.t, c.w, c.h), 1);
        EXPECT_EQ(s->btnLeft, c.l);
        EXPECT_EQ(s->btnTop, c.t);
        EXPECT_EQ(s->btnHalfWidth, c.half) << "width " << c.w;
        EXPECT_EQ(s->btnHeight, c.h);
        EXPECT_EQ(setMyRect2(c.l, c.t, c.w, c.h), 1);
        EXPECT_EQ(s->treeLeft, c.l);
        EXPECT_EQ(s->treeTop, c.t);
        EXPECT_EQ(s->treeWidth, c.w);
        EXPECT_EQ(s->treeHeight, c.h);
    }
    for (int v : {1, 0, 7, -1}) {
        EXPECT_EQ(setTreeVis(v), 1);
        EXPECT_EQ(setIsClip(v), 1);
        EXPECT_EQ(setIsMenu(v), 1);
        EXPECT_EQ(s->treeVis, v);
        EXPECT_EQ(s->isClip, v);
        EXPECT_EQ(s->isMenu, v);
    }
    setTreeVis(0); setIsClip(0); setIsMenu(0);
}

TEST(HookZones, BothZonesAreInclusiveAtEveryEdgeWithSignedCompares)
{
    HookSharedState s = {};
    s.btnLeft = 0; s.btnTop = 748; s.btnHalfWidth = 26; s.btnHeight = 20;  // Start button 53 x 20
    s.treeLeft = -50; s.treeTop = -20; s.treeWidth = 100; s.treeHeight = 40;
    struct Case { LONG x, y; bool inButton, outsideTree; } cases[] = {
        {0, 748, true, true},     // top-left corner
        {26, 768, true, true},    // right and bottom edge lines are inside
        {27, 760, false, true},   // one past the half width
        {10, 769, false, true},   // one below the bottom line
        {-1, 760, false, true},   // one left of the button
        {10, 747, false, true},   // one above
        {-50, -20, false, false}, // tree zone corner, negative coordinates
        {50, 20, false, false},   // tree zone (right, bottom) is inside
        {51, 0, false, true},
        {0, 21, false, true},
        {-51, 0, false, true},
        {0, -21, false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(InButtonZone(s, c.x, c.y), c.inButton) << c.x << "," << c.y;
        EXPECT_EQ(OutsideTreeZone(s, c.x, c.y), c.outsideTree) << c.x << "," << c.y;
    }
    // A negative width makes an empty zone, not a huge one.
    s.btnLeft = 10; s.btnHalfWidth = -1;
    EXPECT_FALSE(InButtonZone(s, 10, 760));
    EXPECT_FALSE(InButtonZone(s, 9, 760));
}

class HookInstall : public ::testing::Test {
protected:
    void SetUp() override
    {
        wnd = CreateWindowExA(0, "STATIC", "notify", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
        ASSERT_NE(wnd, nullptr);
        ASSERT_NE(bench::StartButton(), nullptr);
    }
    void TearDown() override
    {
        if (bench::HookState()->notifyWnd == H(wnd)) clearMyHook();
        DestroyWindow(wnd);
    }
    HWND wnd = NULL;
};

TEST_F(HookInstall, SecondInstallIsRefusedAndClearingFreesTheSlot)
{
    volatile bench::HookWords* s = bench::HookState();
    HWND start = bench::StartButton();
    ASSERT_EQ(s->notifyWnd, 0);
    ASSERT_EQ(setMyHook(H(wnd), H(start)), 1);
    EXPECT_EQ(s->notifyWnd, H(wnd));
    EXPECT_EQ(s->watchedWnd, H(start));

    EXPECT_EQ(setMyHook(H(wnd), H(start)), 0);
    EXPECT_EQ(s->notifyWnd, H(wnd));

    EXPECT_NE(clearMyHook(), 0);
    EXPECT_EQ(s->notifyWnd, 0);
    EXPECT_EQ(s->watchedWnd, 0);

    ASSERT_EQ(setMyHook(H(wnd), H(start)), 1);
    EXPECT_NE(clearMyHook(), 0);
    // A second clear returns 0 and changes nothing, even when a hook set
    // meanwhile got the value of a removed one: that hook stays.
    HHOOK other = SetWindowsHookExA(
        WH_MOUSE, [](int code, WPARAM w, LPARAM l) { return CallNextHookEx(nullptr, code, w, l); }, nullptr,
        GetCurrentThreadId());
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(clearMyHook(), 0);
    EXPECT_EQ(s->notifyWnd, 0);
    EXPECT_NE(UnhookWindowsHookEx(other), 0) << "the second clear removed a hook that was not its own";
}

TEST_F(HookInstall, ALiveInstallerInAnotherProcessBlocksButADeadOneDoesNot)
{
    volatile bench::HookWords* s = bench::HookState();
    HWND start = bench::StartButton();
    std::string dir = bench::TempDir("install");
    std::string result = dir + "result.txt";
    bench::ChildProcess other;
    ASSERT_TRUE(other.Start("hookprobe.exe", "install " + std::to_string(H(start)) + " " + result));
    ASSERT_TRUE(bench::WaitFor([&] { return bench::ReadFileBytes(result) == "1\n"; }, 10000))
        << "the other process could not install its hooks";
    EXPECT_NE(s->notifyWnd, 0);

    // Its window lives: refused, and nothing changes.
    LONG theirs = s->notifyWnd;
    EXPECT_EQ(setMyHook(H(wnd), H(start)), 0);
    EXPECT_EQ(s->notifyWnd, theirs);

    // Killed without clearing: the system removed its hooks and its window,
    // so the words it left behind no longer block a new install.
    other.Kill();
    ASSERT_TRUE(bench::WaitFor([&] { return !IsWindow((HWND)(INT_PTR)theirs); }, 5000));
    EXPECT_EQ(s->notifyWnd, theirs);
    EXPECT_EQ(setMyHook(H(wnd), H(start)), 1);
    EXPECT_EQ(s->notifyWnd, H(wnd));
    EXPECT_NE(clearMyHook(), 0);
}

TEST(HookSharing, WordsStoredInOneProcessAreWhatAnotherReads)
{
    std::string file = bench::TempDir("share") + "words.txt";
    setMyRect(3, 700, 55, 21);
    setMyRect2(-4, 5, 600, 400);
    setTreeVis(1); setIsClip(1); setIsMenu(0);
    bench::ChildProcess reader;
    ASSERT_TRUE(reader.Start("hookprobe.exe", "dump " + file));
    DWORD code = 99;
    ASSERT_TRUE(reader.WaitExit(10000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(bench::ReadFileBytes(file), "0\n0\n3\n700\n27\n21\n-4\n5\n600\n400\n1\n1\n0\n");

    bench::ChildProcess writer;
    ASSERT_TRUE(writer.Start("hookprobe.exe", "set 1 2 9 4 5 6 7 8"));
    ASSERT_TRUE(writer.WaitExit(10000, &code));
    volatile bench::HookWords* s = bench::HookState();
    EXPECT_EQ(s->btnLeft, 1);
    EXPECT_EQ(s->btnHalfWidth, 4);
    EXPECT_EQ(s->treeHeight, 8);
    setTreeVis(0); setIsClip(0);
}

}  // namespace
