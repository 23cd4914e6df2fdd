// Drives an item's context menu as a user does: a real right click on the
// item in the tree popup, then real clicks on the menu's entries. The menu
// runs its own loop on the test's thread, so a second thread does the
// clicking and reads the menu while it is open; the test's thread keeps
// pumping its messages (the tree, the frame and the menu all live there).
#ifndef KORV_TESTS_ACTIONS_MENUDRIVER_H
#define KORV_TESTS_ACTIONS_MENUDRIVER_H

#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>

#include "frame/MainFrm.h"

struct MenuSeen {
    bool opened = false;
    POINT click = {};                  // where the right click was
    RECT menuRect = {};                // the menu's window on screen
    std::vector<std::string> entries;  // the opened popup's entries ("" for a separator)
    std::vector<UINT> checked;         // every checked command, submenus included
    HTREEITEM selected = nullptr;      // the tree's selection while the menu was open
    bool popupVisible = false;         // the tree popup, while the menu was open
    bool popupVisibleAfter = false;    // and once the chosen command has run
    std::string box;                   // the text of the "Quillan" box the command showed, if any
    bool closed = false;               // the menu went away by the user's steps
};

// The centre of the item's text on screen, scrolled into view.
POINT ItemPoint(HWND tree, HTREEITEM item);

// Right-clicks the item and chooses the entry with command cmd (0: closes
// the menu without a choice, by a click beside it). When expectBox is set,
// waits for a message box, reads it and presses OK. Returns once the
// command has run.
MenuSeen RightClickAndChoose(CMainFrame* frame, HTREEITEM item, UINT cmd, bool expectBox = false);

// Right-clicks the item and presses keys (xdotool names) in its menu.
MenuSeen RightClickAndPress(CMainFrame* frame, HTREEITEM item, const std::string& keys);

// The text of the clipboard (CF_TEXT), or "(none)".
std::string ClipboardText();
bool SetClipboardText(const std::string& text);

#endif
