// Highlight Window: a minimised window comes back at its restored size with
// a red frame along its outer edge; an item whose window is not found
// changes nothing.
#include <gtest/gtest.h>

#include "actions/ActionFixture.h"
#include "res/resource.h"

namespace {

bool IsRed(DWORD rgb)
{
    return rgb == 0xFF0000;
}

}  // namespace

TEST_F(ActionTest, HighlightRestoresAMinimisedWindowAndFramesItsOuterEdgeInRed)
{
    Target target;
    ASSERT_TRUE(target.Start("--threads 1 --windows 1"));
    HWND w = target.Last().Win("0-0")->hwnd;
    const RECT normal = bench::WindowRect(w);
    ShowWindow(w, SW_MINIMIZE);
    ASSERT_TRUE(bench::WaitFor([&] { return IsIconic(w) != FALSE; }));
    frame->RebuildTree();
    HTREEITEM item = WindowItem(target.Pid(), target.Last().Worker(0)->tid, w);
    ASSERT_NE(item, nullptr);

    RightClickAndChoose(frame, item, ID_HIGHLIGHT_WINDOW);
    ASSERT_FALSE(IsIconic(w));
    const RECT r = bench::WindowRect(w);
    EXPECT_TRUE(EqualRect(&r, &normal)) << "restored to " << r.left << "," << r.top << " " << r.right << ","
                                        << r.bottom;

    const int width = r.right - r.left, height = r.bottom - r.top;
    std::vector<DWORD> px = bench::ScreenGrab(r);
    auto at = [&](int x, int y) { return px[size_t(y) * width + x]; };
    // The pen is 5 pixels wide, centred on the window's edge: its inner
    // 3 pixels lie over the window, all along the four sides.
    int notRed = 0;
    for (int d = 0; d < 3; ++d) {
        for (int y = 0; y < height; y += 7) {
            notRed += !IsRed(at(d, y));
            notRed += !IsRed(at(width - 1 - d, y));
        }
        for (int x = 0; x < width; x += 7) {
            notRed += !IsRed(at(x, d));
            notRed += !IsRed(at(x, height - 1 - d));
        }
    }
    EXPECT_EQ(notRed, 0);
    // Hollow: the inside keeps the window's own pixels.
    EXPECT_FALSE(IsRed(at(width / 2, height / 2)));
    EXPECT_FALSE(IsRed(at(8, height / 2)));
}

TEST_F(ActionTest, HighlightOfAnItemWhoseWindowIsNotFoundDoesNothing)
{
    Target target;
    ASSERT_TRUE(target.Start("--threads 1 --windows 1"));
    HWND w = target.Last().Win("0-0")->hwnd;
    ShowWindow(w, SW_MINIMIZE);
    ASSERT_TRUE(bench::WaitFor([&] { return IsIconic(w) != FALSE; }));
    frame->RebuildTree();
    HTREEITEM item = WindowItem(target.Pid(), target.Last().Worker(0)->tid, w);
    ASSERT_NE(item, nullptr);
    ASSERT_TRUE(SetWindowTextA(w, "renamed"));

    // Nothing may frame the screen itself: no red along its right edge and
    // along its top edge right of the popup. (A frame drawn there stays
    // until the desktop repaints, so the desktop repaints first.)
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    const RECT top = {bench::WindowRect(popup().m_hWnd).right, 0, cx, 3}, right = {cx - 3, 0, cx, cy};
    auto redOnScreenEdges = [&] {
        for (const RECT& r : {top, right})
            for (DWORD px : bench::ScreenGrab(r))
                if (IsRed(px))
                    return true;
        return false;
    };
    RedrawWindow(GetDesktopWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    ASSERT_TRUE(bench::WaitFor([&] { return !redOnScreenEdges(); }));

    RightClickAndChoose(frame, item, ID_HIGHLIGHT_WINDOW);
    EXPECT_TRUE(IsIconic(w));
    EXPECT_EQ(bench::FindMessageBox("Quillan", 300), nullptr);
    EXPECT_FALSE(redOnScreenEdges()) << "a red frame was drawn on the screen";
}
