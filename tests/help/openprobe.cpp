// openprobe: stands in for the user's web browser in the help tests. The
// tests register it as the "open" command of .htm pages:
//   openprobe.exe "<record file>" "%1"
// and it writes the page it was asked to open, and the show state it was
// started with, into the record file.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc < 3)
        return 2;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    GetStartupInfoA(&si);
    int show = (si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : -1;

    char record[4096];
    int n = snprintf(record, sizeof record, "%s\nshow=%d\n", __argv[2], show);
    HANDLE f = CreateFileA(__argv[1], GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (f == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    WriteFile(f, record, (DWORD)n, &written, NULL);
    CloseHandle(f);
    return 0;
}
