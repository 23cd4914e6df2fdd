#include "popup/Placement.h"

PopupGrowth GrowPopup(const std::function<void(int cx, int cy)>& setSize,
                      const std::function<int(int nBar)>& scrollLimit, const PopupMetrics& metrics)
{
    PopupGrowth growth;
    auto resize = [&](int cx, int cy) {
        growth.sizes.push_back(SIZE{cx, cy});
        setSize(cx, cy);
    };

    // The limit read after each pass is that of the size set in the pass,
    // so the width ends one step past the first size that needs no
    // horizontal scrolling.
    int w = kPopupStartSize;
    if (scrollLimit(SB_HORZ) != 0) {
        for (;;) {
            if (w >= metrics.cxFullScreen)
                break;
            resize(w, kPopupStartSize);
            w += kPopupGrowStep;
            if (scrollLimit(SB_HORZ) == 0)
                break;
        }
    }
    resize(w, kPopupStartSize);

    // The height stops already at a vertical limit of 1.
    int h = kPopupStartSize;
    if (scrollLimit(SB_VERT) > 1) {
        for (;;) {
            if (h >= metrics.cyScreen)
                break;
            resize(w, h);
            h += kPopupGrowStep;
            if (scrollLimit(SB_VERT) <= 1)
                break;
        }
    }
    resize(w, h);

    growth.size = SIZE{w, h};
    return growth;
}

RECT PlacePopup(int buttonLeft, int buttonTop, int popupWidth, int popupHeight, const PopupMetrics& metrics)
{
    RECT rc;
    if (buttonTop > kTaskbarNearEdge) {
        // Taskbar at the bottom: above the button, cut short at the top.
        int top = buttonTop - popupHeight;
        rc = RECT{0, top < 0 ? 0 : top, popupWidth, buttonTop};
    } else if (buttonLeft > kTaskbarNearEdge) {
        // Taskbar on the right: left of the button, at the top.
        rc = RECT{buttonLeft - popupWidth, 0, buttonLeft,
                  popupHeight < metrics.cyScreen ? popupHeight : metrics.cyScreen};
    } else {
        // Taskbar at the top or on the left: the work area's top-left corner.
        rc = RECT{0, 0, popupWidth, popupHeight < metrics.cyFullScreen ? popupHeight : metrics.cyFullScreen};
    }
    return rc;
}
