// The sizing and placement rules on their own, against trees and screens
// the bench cannot give: a fake popup whose tree scrolls until given sizes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "popup/Placement.h"

namespace {

std::string Str(SIZE s) { return std::to_string(s.cx) + "x" + std::to_string(s.cy); }
std::string Str(const RECT& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

// A popup whose tree has a horizontal scroll range below hGoneAt pixels of
// width, and a vertical limit given by vLimit(height).
struct FakePopup {
    int hGoneAt;
    int (*vLimit)(int cy);
    SIZE now{100, 100};

    PopupGrowth Grow(const PopupMetrics& m)
    {
        return GrowPopup([this](int cx, int cy) { now = SIZE{cx, cy}; },
                         [this](int nBar) { return nBar == SB_HORZ ? (now.cx < hGoneAt ? 7 : 0) : vLimit(now.cy); },
                         m);
    }
};

int NoVertical(int) { return 0; }
int VerticalOneAt100(int) { return 1; }
int VerticalGoneAt160(int cy) { return cy < 160 ? 9 : 0; }
int VerticalOneAt140(int cy) { return cy < 140 ? 5 : 1; }
int VerticalNeverGone(int) { return 30; }

const PopupMetrics kScreen = {1024, 768, 741};

TEST(GrowPopup, StopRules)
{
    struct Case {
        const char* what;
        int hGoneAt;
        int (*vLimit)(int);
        PopupMetrics metrics;
        SIZE want;
    } cases[] = {
        {"no scrolling at 100 x 100 stays 100 x 100", 100, NoVertical, kScreen, {100, 100}},
        {"a vertical limit of 1 at the start needs no growing", 100, VerticalOneAt100, kScreen, {100, 100}},
        {"horizontal range there at 160, gone at 180: 200 wide", 180, NoVertical, kScreen, {200, 100}},
        {"horizontal range gone at 101..120: 140 wide", 120, NoVertical, kScreen, {140, 100}},
        {"vertical range gone at 160: 180 high", 100, VerticalGoneAt160, kScreen, {100, 180}},
        {"a vertical limit of exactly 1 ends the height loop", 100, VerticalOneAt140, kScreen, {100, 160}},
        {"width never past the first step >= 1024: 1040", 5000, NoVertical, kScreen, {1040, 100}},
        {"width limit 1040 itself: 1040", 5000, NoVertical, {1040, 768, 741}, {1040, 100}},
        {"width limit 1041: 1060", 5000, NoVertical, {1041, 768, 741}, {1060, 100}},
        {"height never past the first step >= 768: 780", 100, VerticalNeverGone, kScreen, {100, 780}},
        {"both directions", 180, VerticalGoneAt160, kScreen, {200, 180}},
        {"a limit at or below 100 grows nothing", 5000, VerticalNeverGone, {100, 100, 100}, {100, 100}},
    };
    for (const Case& c : cases) {
        FakePopup popup{c.hGoneAt, c.vLimit};
        PopupGrowth g = popup.Grow(c.metrics);
        EXPECT_EQ(Str(g.size), Str(c.want)) << c.what;
        EXPECT_EQ(Str(popup.now), Str(c.want)) << c.what << ": the popup is left at the final size";
        ASSERT_FALSE(g.sizes.empty()) << c.what;
        EXPECT_EQ(Str(g.sizes.back()), Str(c.want)) << c.what;
    }
}

// Every size given to the popup, in order: each pass sets the size first
// and reads the limit of that size, so the loop ends one step past it.
TEST(GrowPopup, SizesTriedInOrder)
{
    FakePopup popup{180, VerticalOneAt140};
    PopupGrowth g = popup.Grow(kScreen);
    std::vector<std::string> got;
    for (SIZE s : g.sizes) got.push_back(Str(s));
    EXPECT_EQ(got, (std::vector<std::string>{"100x100", "120x100", "140x100", "160x100", "180x100",  // width loop
                                             "200x100",                                            // width's end
                                             "200x100", "200x120", "200x140",                      // height loop
                                             "200x160"}));                                         // height's end
}

TEST(PlacePopup, ThreeTaskbarCases)
{
    struct Case {
        const char* what;
        int left, top, width, height;
        RECT want;
    } cases[] = {
        // Taskbar at the bottom: above the button, bottom on its top edge.
        {"bottom: 600 high above top 1000", 0, 1000, 300, 600, {0, 400, 300, 1000}},
        {"bottom: 1040 high above top 1000 is cut at the top", 0, 1000, 300, 1040, {0, 0, 300, 1000}},
        {"bottom: exactly as high as the button top", 0, 1000, 300, 1000, {0, 0, 300, 1000}},
        {"bottom: button top 101 counts as the bottom", 0, 101, 120, 80, {0, 21, 120, 101}},
        {"bottom: button top 101 with a tall popup", 0, 101, 120, 300, {0, 0, 120, 101}},
        {"bottom: the button's left does not matter", 500, 748, 200, 300, {0, 448, 200, 748}},
        // Taskbar on the right: left of the button, at the top.
        {"right: 300 wide left of 900", 900, 0, 300, 400, {600, 0, 900, 400}},
        {"right: button top 100 counts as near the top", 900, 100, 300, 400, {600, 0, 900, 400}},
        {"right: button left 101", 101, 0, 120, 200, {-19, 0, 101, 200}},
        {"right: taller than the screen is cut to SM_CYSCREEN", 900, 0, 300, 1040, {600, 0, 900, 768}},
        {"right: cut to SM_CYSCREEN, not SM_CYFULLSCREEN", 900, 0, 300, 760, {600, 0, 900, 760}},
        // Taskbar at the top or on the left: the top-left corner.
        {"top-left: button at 100,100", 100, 100, 200, 300, {0, 0, 200, 300}},
        {"top-left: button at 0,0", 0, 0, 200, 300, {0, 0, 200, 300}},
        {"top-left: cut to SM_CYFULLSCREEN", 0, 0, 200, 760, {0, 0, 200, 741}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Str(PlacePopup(c.left, c.top, c.width, c.height, kScreen)), Str(c.want)) << c.what;
}

}  // namespace
