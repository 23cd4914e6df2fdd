// The 13 words every process that maps korvhook.dll shares.
#ifndef KORV_HOOKSHAREDSTATE_H
#define KORV_HOOKSHAREDSTATE_H

#include <windows.h>

struct HookSharedState {
    LONG notifyWnd;     // window that receives the posted messages
    LONG watchedWnd;    // the Start button
    LONG btnLeft;       // button zone: left half of the Start button
    LONG btnTop;
    LONG btnHalfWidth;
    LONG btnHeight;
    LONG treeLeft;      // tree zone: the popup's window rectangle
    LONG treeTop;
    LONG treeWidth;
    LONG treeHeight;
    LONG treeVis;       // popup shown
    LONG isClip;        // clip button pressed in
    LONG isMenu;        // a menu or file dialog opened since the last left press
};

static_assert(sizeof(HookSharedState) == 13 * 4, "thirteen 32-bit words");

#endif
