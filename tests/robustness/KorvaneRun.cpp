#include "robustness/KorvaneRun.h"

#include <string>

namespace robust {

// The hook library's record as this process maps it: the tests here call
// none of its functions, so the library is loaded by name.
volatile bench::HookWords* Record()
{
    static HMODULE lib = LoadLibraryA("korvhook.dll");
    return lib ? bench::HookState() : nullptr;
}

HWND NotifyWnd() { return (HWND)(ULONG_PTR)(ULONG)Record()->notifyWnd; }

DWORD OwnerPid(HWND w)
{
    DWORD pid = 0;
    if (w)
        GetWindowThreadProcessId(w, &pid);
    return pid;
}

bool HooksFree() { return Record()->notifyWnd == 0 || !IsWindow(NotifyWnd()); }

HWND VisibleMenuOf(DWORD pid) { return bench::TopLevelOf(pid, "#32768", nullptr, true); }

bool CloseMenusOf(DWORD pid, bool* byKeyboard)
{
    for (int i = 0; i < 3 && VisibleMenuOf(pid); ++i) {
        bench::KeyPress("Escape");
        bench::WaitFor([&] { return VisibleMenuOf(pid) == nullptr; }, 500);
    }
    if (byKeyboard)
        *byKeyboard = VisibleMenuOf(pid) == nullptr;
    for (int i = 0; i < 3 && VisibleMenuOf(pid); ++i) {
        // A menu that does not get the keyboard: a click beside it, on the
        // bare desktop, closes it.
        HWND menu = VisibleMenuOf(pid);
        if (!menu)
            break;
        const RECT r = bench::WindowRect(menu);
        const int x = r.left > 40 ? r.left - 20 : r.right + 20;
        bench::MouseClick(x, GetSystemMetrics(SM_CYSCREEN) / 4);
        bench::WaitFor([&] { return VisibleMenuOf(pid) == nullptr; }, 1000);
    }
    return VisibleMenuOf(pid) == nullptr;
}

KorvaneRun::~KorvaneRun()
{
    if (process.Running() && !Quit(5000))
        process.Kill();
    bench::WaitFor(HooksFree, 3000);
}

bool KorvaneRun::StartAndWaitForHooks(DWORD timeoutMs)
{
    frame_ = nullptr;
    if (!process.Start("Korvane.exe"))
        return false;
    const DWORD pid = process.Pid();
    if (!bench::WaitFor([&] { return OwnerPid(NotifyWnd()) == pid && IsWindow(NotifyWnd()); }, timeoutMs))
        return false;
    frame_ = NotifyWnd();
    return true;
}

void KorvaneRun::CloseTip()
{
    // The tip appears shortly after the hooks are in place, or not at all.
    HWND tip = nullptr;
    bench::WaitFor([&] {
        for (HWND w : bench::VisibleWindowsOf(process.Pid())) {
            char title[16] = {};
            GetWindowTextA(w, title, sizeof title);
            if (strcmp(title, "TIP") == 0)
                tip = w;
        }
        return tip != nullptr;
    }, 700);
    if (tip) {
        PostMessageA(tip, WM_COMMAND, IDCANCEL, 0);
        PostMessageA(tip, WM_CLOSE, 0, 0);
        bench::WaitFor([&] { return !IsWindowVisible(tip); }, 2000);
    }
}

bool KorvaneRun::Quit(DWORD timeoutMs)
{
    if (frame_ && IsWindow(frame_))
        PostMessageA(frame_, WM_CLOSE, 0, 0);
    return process.WaitExit(timeoutMs);
}

HWND KorvaneRun::Popup() const { return bench::TopLevelOf(process.Pid(), "#32770", frame_); }

bool KorvaneRun::Answers(DWORD timeoutMs) const
{
    DWORD_PTR result = 0;
    return frame_ && SendMessageTimeoutA(frame_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result) != 0;
}

}  // namespace robust
