// Windows-side helpers for tests that run on the bench: a Wine desktop with
// a taskbar on a private Xvfb display (see tests/bench/).
#ifndef KORV_TESTS_BENCH_H
#define KORV_TESTS_BENCH_H

#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace bench {

// --- waiting -----------------------------------------------------------
// Runs the calling thread's message loop until cond() holds or the time is
// up; returns cond()'s last value. Never a fixed sleep in a test.
bool WaitFor(const std::function<bool()>& cond, DWORD timeoutMs = 5000);
// Runs the calling thread's message loop for the given time.
void Pump(DWORD ms);

// --- the real mouse and keyboard (xdotool on the bench's display) ------
void MouseMove(int x, int y);
void MouseDown(int button = 1);     // 1 left, 2 middle, 3 right
void MouseUp(int button = 1);
void MouseClick(int x, int y, int button = 1);
void KeyPress(const std::string& keys);  // xdotool key names, e.g. "Escape", "Down Return"
void TypeText(const std::string& text);
// Runs one xdotool command line, which may chain many steps ("mousemove 10
// 20 click 1 mousemove 30 40 ..."), and waits until it is done.
bool Xdotool(const std::string& args);
// Runs a Unix program of the bench machine and waits for it (up to 10 s).
bool RunUnix(const std::string& commandLine);

// --- the desktop -------------------------------------------------------
HWND Taskbar();        // "Shell_TrayWnd" with an empty title, or null
HWND StartButton();    // the taskbar's topmost child, or null
RECT WindowRect(HWND w);
// One pixel of what the screen shows now, read through a copy of the screen.
COLORREF ScreenPixel(int x, int y);
// A copy of the screen area as 0x00RRGGBB values, row by row.
std::vector<DWORD> ScreenGrab(const RECT& r);

// --- message boxes -----------------------------------------------------
// A visible dialog-class ("#32770") top-level window with this caption, in
// any process; waits up to timeoutMs. Null when none appears.
HWND FindMessageBox(const std::string& caption, DWORD timeoutMs = 5000);
// The same on another desktop of this window station.
HWND FindMessageBoxOn(HDESK desktop, const std::string& caption, DWORD timeoutMs = 5000);
// The texts of the box's static controls that hold text, joined by "\n".
std::string MessageBoxText(HWND box);
// Presses the box's OK button (or its only button) and waits until it is gone.
bool PressOk(HWND box);
// All visible top-level windows of a process.
std::vector<HWND> VisibleWindowsOf(DWORD pid);
// A top-level window of the process with this class (and this owner, when
// one is given; visible only, when asked), or null.
HWND TopLevelOf(DWORD pid, const char* cls, HWND owner = nullptr, bool visibleOnly = false);

// --- files and processes -----------------------------------------------
std::string ExeDir();                  // folder of the running test, with a trailing backslash
std::string TempDir(const std::string& name);  // fresh empty folder under %TEMP%, trailing backslash
std::string ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);

class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();                     // ends the process if it still runs
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    // Starts exe (a path, or a name in ExeDir()) with arguments; cwd may be empty.
    // desktop: the name of a desktop of this window station to run on.
    bool Start(const std::string& exe, const std::string& args = "", const std::string& cwd = "",
               const std::string& desktop = "");
    bool Running() const;
    bool WaitExit(DWORD timeoutMs, DWORD* exitCode = nullptr);
    void Kill();
    DWORD Pid() const { return pi_.dwProcessId; }
    HANDLE Handle() const { return pi_.hProcess; }
private:
    PROCESS_INFORMATION pi_ = {};
};

// --- the hook library's shared words ------------------------------------
// The ".BLAZKT" section of korvhook.dll as mapped into this process (the
// process must have the library loaded); null when it is not found.
struct HookWords {
    LONG notifyWnd, watchedWnd, btnLeft, btnTop, btnHalfWidth, btnHeight;
    LONG treeLeft, treeTop, treeWidth, treeHeight, treeVis, isClip, isMenu;
};
volatile HookWords* HookState();

}  // namespace bench

#endif
