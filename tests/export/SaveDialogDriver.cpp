#include "export/SaveDialogDriver.h"

#include <cstring>

namespace exporttest {

namespace {

BOOL CALLBACK CollectOurDialogs(HWND w, LPARAM lp)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (pid == GetCurrentProcessId() && strcmp(cls, "#32770") == 0 && IsWindowVisible(w))
        reinterpret_cast<std::vector<HWND>*>(lp)->push_back(w);
    return TRUE;
}

// The file name field: the combo box of the Explorer-style dialog, or the
// plain edit field.
HWND FileNameField(HWND saveAs)
{
    const int kFileNameCombo = 0x47c, kFileNameEdit = 0x480;
    HWND field = GetDlgItem(saveAs, kFileNameCombo);
    if (!field || !IsWindowVisible(field))
        field = GetDlgItem(saveAs, kFileNameEdit);
    return field;
}

}  // namespace

std::vector<HWND> OurDialogs()
{
    std::vector<HWND> found;
    EnumWindows(CollectOurDialogs, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string WindowTitle(HWND w)
{
    char text[512] = {};
    GetWindowTextA(w, text, sizeof text);
    return text;
}

HWND WaitForSaveAs(DWORD timeoutMs)
{
    HWND found = NULL;
    bench::WaitFor([&] {
        for (HWND w : OurDialogs())
            if (WindowTitle(w) == "Save As")
                found = w;
        return found != NULL;
    }, timeoutMs);
    return found;
}

HWND WaitForOwnedBy(HWND owner, DWORD timeoutMs)
{
    HWND found = NULL;
    bench::WaitFor([&] {
        for (HWND w : OurDialogs())
            if (GetWindow(w, GW_OWNER) == owner)
                found = w;
        return found != NULL;
    }, timeoutMs);
    return found;
}

void ClickControl(HWND dialog, int id)
{
    RECT r = bench::WindowRect(GetDlgItem(dialog, id));
    bench::MouseClick((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void EnterFileName(HWND saveAs, const std::string& name, bool click)
{
    if (click) {
        RECT r = bench::WindowRect(FileNameField(saveAs));
        bench::MouseClick(r.left + 20, (r.top + r.bottom) / 2);
    }
    bench::TypeText(name);
    bench::KeyPress("Return");
}

void CloseLeftovers(HWND keep)
{
    bench::WaitFor([&] {
        bool any = false;
        for (HWND w : OurDialogs()) {
            if (w == keep)
                continue;
            any = true;
            PostMessageA(w, WM_COMMAND, GetDlgItem(w, IDCANCEL) ? IDCANCEL : IDOK, 0);
        }
        return !any;
    }, 5000);
}

}  // namespace exporttest
