// The overlay under the real mouse: moving it over the Start button hands
// the button's rectangle to the hook library and the frame, and paints the
// picture onto the button's left half.
//
// Wine (8) paints nothing through GetWindowDC into a child window of
// another process, so on the bench the picture never shows on the shell's
// own Start button. The pixels are therefore checked on a taskbar of the
// test's own: a "Shell_TrayWnd" window with an empty title, in front of
// the shell's, whose topmost child is the button that the frame finds,
// hooks and paints.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>

#include "support/MainFrameFixture.h"

namespace {

const DWORD kOrange = 0xFF6600;  // as the screen grab gives it: 0x00RRGGBB

bool ZoneIs(const RECT& r)
{
    volatile bench::HookWords* s = bench::HookState();
    return s->btnLeft == r.left && s->btnTop == r.top && s->btnHalfWidth == (r.right - r.left) / 2 &&
           s->btnHeight == r.bottom - r.top;
}

void ExpectStartButtonRect(const CMainFrame* frame, const RECT& r)
{
    EXPECT_EQ(frame->m_rcStartButton.left, r.left);
    EXPECT_EQ(frame->m_rcStartButton.top, r.top);
    EXPECT_EQ(frame->m_rcStartButton.right, r.right);
    EXPECT_EQ(frame->m_rcStartButton.bottom, r.bottom);
}

size_t CountOrange(const RECT& r)
{
    std::vector<DWORD> px = bench::ScreenGrab(r);
    return (size_t)std::count(px.begin(), px.end(), kOrange);
}

using Overlay = MainFrameTest;

TEST_F(Overlay, MouseOverTheShellsStartButtonSetsTheButtonZone)
{
    HWND start = bench::StartButton();
    const RECT r = bench::WindowRect(start);
    bench::MouseMove(600, 300);
    setMyRect(0, 0, 0, 0);
    bench::MouseMove(r.right - 3, (r.top + r.bottom) / 2);
    ASSERT_TRUE(bench::WaitFor([&] { return ZoneIs(r); }, 3000)) << "no mouse-over reached the frame";
    ExpectStartButtonRect(frame, r);
}

// A taskbar of the test's own, made before the frame so the frame finds
// and hooks its button. The button is 55 pixels wide: its left half is 27.
class OwnTaskbar : public MainFrameTest {
protected:
    void SetUp() override
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = "Shell_TrayWnd";
        wc.hbrBackground = (HBRUSH)GetStockObject(LTGRAY_BRUSH);
        RegisterClassA(&wc);
        taskbar = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Shell_TrayWnd", "", WS_POPUP | WS_VISIBLE, 650,
                                  120, 300, 26, NULL, NULL, wc.hInstance, NULL);
        ASSERT_NE(taskbar, nullptr);
        button = CreateWindowExA(0, "Button", "Start", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 1, 1, 55, 24, taskbar,
                                 NULL, wc.hInstance, NULL);
        ASSERT_NE(button, nullptr);
        SetWindowPos(taskbar, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        bench::Pump(200);
        ASSERT_EQ(bench::StartButton(), button) << "the frame would not find our taskbar first";
        // Nothing may cover the button: the test reads the screen.
        const RECT r = bench::WindowRect(button);
        for (POINT p : {POINT{r.left, r.top}, POINT{r.right - 1, r.bottom - 1}}) {
            HWND over = WindowFromPoint(p);
            char cls[64] = "", title[64] = "";
            GetClassNameA(over, cls, sizeof cls);
            GetWindowTextA(over, title, sizeof title);
            ASSERT_EQ(over, button) << "covered by a window of class " << cls << " \"" << title << "\"";
        }
        MainFrameTest::SetUp();
    }
    void TearDown() override
    {
        MainFrameTest::TearDown();
        if (taskbar) DestroyWindow(taskbar);
    }
    // Has the button paint itself in its own look.
    void Repaint()
    {
        RedrawWindow(button, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        bench::Pump(100);
    }
    HWND taskbar = NULL, button = NULL;
};

TEST_F(OwnTaskbar, MouseOverPaintsEveryOtherPixelOfTheLeftHalfOrange)
{
    const RECT r = bench::WindowRect(button);
    const int w = r.right - r.left, h = r.bottom - r.top, half = w / 2;
    ASSERT_EQ(w, 55);
    ASSERT_EQ(half, 27);

    bench::MouseMove(600, 300);
    Repaint();
    std::vector<DWORD> before = bench::ScreenGrab(r);
    ASSERT_EQ(std::count(before.begin(), before.end(), kOrange), 0) << "the button already shows the overlay colour";
    setMyRect(0, 0, 0, 0);

    // Over the right half: the cursor stays off the painted part.
    bench::MouseMove(r.right - 3, (r.top + r.bottom) / 2);
    ASSERT_TRUE(bench::WaitFor([&] { return ZoneIs(r); }, 3000)) << "no mouse-over reached the frame";
    ExpectStartButtonRect(frame, r);
    ASSERT_TRUE(bench::WaitFor([&] { return CountOrange(r) > 0; }, 2000)) << "nothing was painted";

    std::vector<DWORD> after = bench::ScreenGrab(r);
    int wrong = 0;
    std::string first;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            DWORD want = x < half && (x + y) % 2 == 0 ? kOrange : before[y * w + x];
            DWORD got = after[y * w + x];
            if (got != want && wrong++ == 0) {
                char buf[96];
                snprintf(buf, sizeof buf, "(%d,%d) of %dx%d: %06lX, want %06lX", x, y, w, h, (unsigned long)got,
                         (unsigned long)want);
                first = buf;
            }
        }
    EXPECT_EQ(wrong, 0) << "first wrong pixel " << first;
    EXPECT_EQ(CountOrange(r), size_t(half * h + 1) / 2);

    // The same halving in the hook library: 27, and column 27 is the
    // zone's inclusive right edge line.
    EXPECT_EQ(bench::HookState()->btnHalfWidth, 27);
}

// A click in the zone paints too; the button's own repaint takes the
// picture away until the next mouse-over.
TEST_F(OwnTaskbar, ClickPaintsAndRepaintRemovesThePictureUntilTheNextMouseOver)
{
    const RECT r = bench::WindowRect(button);
    const int midY = (r.top + r.bottom) / 2;
    bench::MouseMove(600, 300);
    Repaint();
    ASSERT_EQ(CountOrange(r), 0u);
    bench::MouseClick(r.left + 3, midY);
    EXPECT_TRUE(bench::WaitFor([&] { return CountOrange(r) > 0; }, 3000));

    bench::MouseMove(600, 300);
    Repaint();
    EXPECT_EQ(CountOrange(r), 0u);
    bench::Pump(300);
    EXPECT_EQ(CountOrange(r), 0u) << "painted without the mouse on the button";
    bench::MouseMove(r.right - 4, midY);
    EXPECT_TRUE(bench::WaitFor([&] { return CountOrange(r) > 0; }, 3000));
}

// With no taskbar to be found (here: the shell's taskbar title is no
// longer empty), each overlay paint says "init failed" and changes nothing.
TEST_F(Overlay, MissingStartButtonSaysInitFailedAndChangesNothing)
{
    HWND taskbar = bench::Taskbar();
    struct Retitle {
        HWND w;
        explicit Retitle(HWND t) : w(t) { SetWindowTextA(w, "not the taskbar"); }
        ~Retitle() { SetWindowTextA(w, ""); }
    } retitle(taskbar);
    ASSERT_EQ(FindWindowA("Shell_TrayWnd", ""), nullptr);

    setMyRect(11, 22, 66, 44);
    const RECT sentinel = {1, 2, 3, 4};
    frame->m_rcStartButton = sentinel;

    for (int round = 0; round < 2; ++round) {
        std::string text;
        bool pressed = false;
        std::thread okPresser([&] {
            HWND box = bench::FindMessageBox("Quillan", 5000);
            if (!box) return;
            text = bench::MessageBoxText(box);
            pressed = bench::PressOk(box);
        });
        frame->PaintOverlay();
        okPresser.join();
        EXPECT_TRUE(pressed) << "round " << round;
        EXPECT_EQ(text, "init failed") << "round " << round;
    }
    volatile bench::HookWords* s = bench::HookState();
    EXPECT_EQ(s->btnLeft, 11);
    EXPECT_EQ(s->btnTop, 22);
    EXPECT_EQ(s->btnHalfWidth, 33);
    EXPECT_EQ(s->btnHeight, 44);
    ExpectStartButtonRect(frame, sentinel);
}

}  // namespace
