// The texts and images of the tree items. An item's label is also the only
// link from the item back to its record (see the lookups), so the lookups
// build their labels here too.
#ifndef KORV_MODEL_LABELS_H
#define KORV_MODEL_LABELS_H

#include <windows.h>
#include <tlhelp32.h>

#include "framework/fw.h"

// Images of the tree's image list, in the order the frame adds them.
enum {
    IMAGE_PROCESS = 0,
    IMAGE_THREAD = 1,
    IMAGE_WINDOW = 2,
    IMAGE_WINDOW_HIDDEN = 3,
};

// The 32-bit value as exactly 8 upper-case hexadecimal digits (420 gives
// "000001A4").
CString IdText(DWORD value);
// A window handle's id text (handles are 32-bit values on every platform).
CString IdText(HWND hWnd);

// "Process: <id> - <exe>"
CString ProcessLabel(const PROCESSENTRY32& pe);
// "Thread: <id>"
CString ThreadLabel(const THREADENTRY32& te);
// "Window: <id> "<title>" <class>"
CString WindowLabel(HWND hWnd, const char* pszTitle, const char* pszClass);
// The label of a window as it is now: its current title and class, each as
// the system gives it into a 256-byte buffer (empty when the handle no
// longer names a window).
CString WindowLabelNow(HWND hWnd);
// IMAGE_WINDOW when the window is visible, else IMAGE_WINDOW_HIDDEN.
int WindowImage(HWND hWnd);

#endif
