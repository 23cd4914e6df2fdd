// Times what the two mouse hooks add to each mouse event: injects the same
// run of mouse moves and left presses with and without the hooks installed
// and prints the time per event of each run.
#include <windows.h>
#include <cstdio>

#include "hooklib/korvhook.h"

static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

static void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

// Sends n mouse moves across the screen (the low-level hook runs on this
// thread, so the queue is pumped between events) and returns microseconds per event.
static double Run(int n)
{
    LARGE_INTEGER f, a, b;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&a);
    for (int i = 0; i < n; ++i) {
        INPUT in = {};
        in.type = INPUT_MOUSE;
        in.mi.dx = 200 + (i % 400);
        in.mi.dy = 200 + (i % 300);
        in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        in.mi.dx = in.mi.dx * 65535 / GetSystemMetrics(SM_CXSCREEN);
        in.mi.dy = in.mi.dy * 65535 / GetSystemMetrics(SM_CYSCREEN);
        SendInput(1, &in, sizeof in);
        Pump();
    }
    QueryPerformanceCounter(&b);
    return double(b.QuadPart - a.QuadPart) * 1e6 / double(f.QuadPart) / n;
}

int main(int argc, char** argv)
{
    const int n = argc > 1 ? atoi(argv[1]) : 2000;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.lpszClassName = "KorvBenchNotify";
    RegisterClassA(&wc);
    HWND notify = CreateWindowA("KorvBenchNotify", "", WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
    HWND tray = FindWindowA("Shell_TrayWnd", "");
    HWND start = tray ? GetTopWindow(tray) : NULL;

    Run(200);  // warm up
    double without = Run(n);
    if (!setMyHook((int)(INT_PTR)notify, (int)(INT_PTR)start)) {
        printf("could not install the hooks\n");
        return 1;
    }
    setMyRect(0, 748, 53, 20);
    setMyRect2(100, 100, 300, 300);
    setTreeVis(1);
    double with = Run(n);
    setTreeVis(0);
    clearMyHook();
    printf("mouse events: %d per run\n", n);
    printf("without hooks: %8.2f us per event\n", without);
    printf("with hooks:    %8.2f us per event\n", with);
    printf("added:         %8.2f us per event\n", with - without);
    return 0;
}
