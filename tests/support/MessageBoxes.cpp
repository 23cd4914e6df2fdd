#include "support/bench.h"

#include <cstring>

namespace bench {

namespace {
struct Search {
    std::string caption;
    HWND found;
    bool anyDesktop;  // on another desktop, Wine reports every window hidden
};

BOOL CALLBACK FindBox(HWND w, LPARAM lp)
{
    Search* s = reinterpret_cast<Search*>(lp);
    char cls[64] = {}, title[512] = {};
    GetClassNameA(w, cls, sizeof cls);
    GetWindowTextA(w, title, sizeof title);
    if (strcmp(cls, "#32770") == 0 && (s->anyDesktop || IsWindowVisible(w)) && s->caption == title) {
        s->found = w;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectStatic(HWND w, LPARAM lp)
{
    std::string* out = reinterpret_cast<std::string*>(lp);
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (_stricmp(cls, "Static") == 0) {
        char text[2048] = {};
        GetWindowTextA(w, text, sizeof text);
        if (text[0]) {
            if (!out->empty()) *out += "\n";
            *out += text;
        }
    }
    return TRUE;
}

BOOL CALLBACK CollectButtons(HWND w, LPARAM lp)
{
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (_stricmp(cls, "Button") == 0 && IsWindowVisible(w))
        reinterpret_cast<std::vector<HWND>*>(lp)->push_back(w);
    return TRUE;
}

struct ByPid {
    DWORD pid;
    std::vector<HWND> out;
};

BOOL CALLBACK CollectTop(HWND w, LPARAM lp)
{
    ByPid* s = reinterpret_cast<ByPid*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == s->pid && IsWindowVisible(w))
        s->out.push_back(w);
    return TRUE;
}
}  // namespace

HWND FindMessageBoxOn(HDESK desktop, const std::string& caption, DWORD timeoutMs)
{
    Search s{caption, NULL, desktop != NULL};
    WaitFor([&] {
        if (desktop)
            EnumDesktopWindows(desktop, FindBox, reinterpret_cast<LPARAM>(&s));
        else
            EnumWindows(FindBox, reinterpret_cast<LPARAM>(&s));
        return s.found != NULL;
    }, timeoutMs);
    return s.found;
}

HWND FindMessageBox(const std::string& caption, DWORD timeoutMs)
{
    return FindMessageBoxOn(NULL, caption, timeoutMs);
}

std::string MessageBoxText(HWND box)
{
    std::string out;
    EnumChildWindows(box, CollectStatic, reinterpret_cast<LPARAM>(&out));
    return out;
}

bool PressOk(HWND box)
{
    HWND ok = GetDlgItem(box, IDOK);
    if (!ok) {
        std::vector<HWND> buttons;
        EnumChildWindows(box, CollectButtons, reinterpret_cast<LPARAM>(&buttons));
        if (buttons.size() == 1) ok = buttons[0];
    }
    if (ok)
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(ok), BN_CLICKED), (LPARAM)ok);
    else
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    return WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 5000);
}

std::vector<HWND> VisibleWindowsOf(DWORD pid)
{
    ByPid s{pid, {}};
    EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&s));
    return s.out;
}

namespace {
struct ByClass {
    DWORD pid;
    const char* cls;
    HWND owner;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK FindTop(HWND w, LPARAM lp)
{
    ByClass* s = reinterpret_cast<ByClass*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (pid != s->pid || strcmp(cls, s->cls) != 0 || (s->visibleOnly && !IsWindowVisible(w)) ||
        (s->owner && GetWindow(w, GW_OWNER) != s->owner))
        return TRUE;
    s->found = w;
    return FALSE;
}
}  // namespace

HWND TopLevelOf(DWORD pid, const char* cls, HWND owner, bool visibleOnly)
{
    ByClass s{pid, cls, owner, visibleOnly, NULL};
    EnumWindows(FindTop, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

}  // namespace bench
