// One Korvane.exe started as the user starts it, with what the tests here
// look at: its hidden main frame (the window its hooks report to), its tree
// popup, and the menus it opens.
#ifndef KORV_TESTS_ROBUSTNESS_KORVANERUN_H
#define KORV_TESTS_ROBUSTNESS_KORVANERUN_H

#include <windows.h>

#include "support/bench.h"

namespace robust {

// The hook library's shared record (the library loaded into this process).
volatile bench::HookWords* Record();
// The window the installed hooks report to, as the hook library records it.
HWND NotifyWnd();
DWORD OwnerPid(HWND w);
// True when no live program holds the hooks.
bool HooksFree();
// A visible menu window ("#32768") of this process, or null.
HWND VisibleMenuOf(DWORD pid);
// Presses Escape until no menu of the process shows (at most a few times);
// a menu that ignores the keyboard is then closed by a click beside it.
// byKeyboard, when given, tells whether Escape alone did it.
bool CloseMenusOf(DWORD pid, bool* byKeyboard = nullptr);

class KorvaneRun {
public:
    ~KorvaneRun();
    // Starts Korvane.exe and waits until its frame holds the hooks.
    bool StartAndWaitForHooks(DWORD timeoutMs = 15000);
    // Closes the start-up tip if it shows.
    void CloseTip();
    // Quits by closing the main frame; true when the process ended.
    bool Quit(DWORD timeoutMs = 10000);
    HWND Frame() const { return frame_; }
    // The tree popup: the dialog the frame owns, shown or not.
    HWND Popup() const;
    // The frame handles a message within the time.
    bool Answers(DWORD timeoutMs = 5000) const;
    bench::ChildProcess process;

private:
    HWND frame_ = nullptr;
};

}  // namespace robust

#endif
