// The arithmetic of fitting the popup to its tree and placing it beside the
// Start button, apart from any window: the frame supplies the two actions
// it needs on the real popup (give it a size, read the tree's scroll
// limit), so the same rules can be checked against any screen.
#ifndef KORV_POPUP_PLACEMENT_H
#define KORV_POPUP_PLACEMENT_H

#include <windows.h>

#include <functional>
#include <vector>

// The system metrics read at each placement.
struct PopupMetrics {
    int cxFullScreen;  // SM_CXFULLSCREEN: the width the popup grows to at most
    int cyScreen;      // SM_CYSCREEN: the height it grows to at most; height cap with the taskbar on the right
    int cyFullScreen;  // SM_CYFULLSCREEN: height cap with the taskbar at the top or on the left
};

// Popup and tree sizes before growing, the growth step, and the Start
// button edge at or below which the taskbar counts as at a screen edge.
const int kPopupStartSize = 100;
const int kPopupGrowStep = 20;
const int kTreeLeft = 2;
const int kTreeTop = 22;
const int kTreeStartWidth = 96;
const int kTreeStartHeight = 76;
const int kTaskbarNearEdge = 100;

struct PopupGrowth {
    std::vector<SIZE> sizes;  // every size given to the popup, in order
    SIZE size;                // the size it was given last
};

// Grows the popup from 100 x 100 in steps of 20, first in width while the
// tree's horizontal scroll limit is not 0, then in height while its
// vertical limit is above 1, each no further than the first step at or past
// its metric. setSize(cx, cy) gives the popup a new size in place;
// scrollLimit(nBar) reads the tree's limit of SB_HORZ or SB_VERT as the
// popup is sized now (100 x 100 before the first setSize).
PopupGrowth GrowPopup(const std::function<void(int cx, int cy)>& setSize,
                      const std::function<int(int nBar)>& scrollLimit, const PopupMetrics& metrics);

// The popup's normal rectangle, in work-area coordinates, for a popup of
// the given window size and the Start button's top-left corner (screen
// coordinates): above the button with the taskbar at the bottom, left of it
// with the taskbar on the right, else in the top-left corner.
RECT PlacePopup(int buttonLeft, int buttonTop, int popupWidth, int popupHeight, const PopupMetrics& metrics);

#endif
