// The real mouse and keyboard: xdotool moves and clicks on the bench's X
// display, so the events travel the same road as a user's (X server, Wine's
// driver, the hooks, the target window).
#include "support/bench.h"

#include <cstdio>

namespace bench {

bool RunUnix(const std::string& commandLine)
{
    // Wine gives no waitable handle for a Unix process, so the command
    // leaves a marker file when it is done (Z: is the Unix root).
    static int serial = 0;
    const std::string marker = "/tmp/korv-done-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    std::string winMarker = "Z:" + marker;
    for (char& c : winMarker) if (c == '/') c = '\\';
    DeleteFileA(winMarker.c_str());

    std::string cmd = "/bin/sh -c \"" + commandLine + "; : > " + marker + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(NULL, &cmd[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return false;
    if (pi.hThread) CloseHandle(pi.hThread);
    if (pi.hProcess) CloseHandle(pi.hProcess);
    // Keep our own windows answering meanwhile: hooks that tests install
    // run on this thread.
    bool done = WaitFor([&] { return GetFileAttributesA(winMarker.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10000);
    DeleteFileA(winMarker.c_str());
    return done;
}

bool Xdotool(const std::string& args)
{
    return RunUnix("/usr/bin/xdotool " + args);
}

void MouseMove(int x, int y)
{
    char buf[64];
    snprintf(buf, sizeof buf, "mousemove %d %d", x, y);
    Xdotool(buf);
    // The event reaches Wine asynchronously: wait until the cursor is there.
    WaitFor([&] { POINT p; GetCursorPos(&p); return p.x == x && p.y == y; }, 2000);
}

void MouseDown(int button) { Xdotool("mousedown " + std::to_string(button)); Pump(50); }
void MouseUp(int button) { Xdotool("mouseup " + std::to_string(button)); Pump(50); }

void MouseClick(int x, int y, int button)
{
    MouseMove(x, y);
    MouseDown(button);
    MouseUp(button);
}

void KeyPress(const std::string& keys) { Xdotool("key " + keys); Pump(50); }
void TypeText(const std::string& text) { Xdotool("type -- '" + text + "'"); Pump(50); }

}  // namespace bench
