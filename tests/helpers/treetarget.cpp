// treetarget: a process for the tree and item-command tests to look at and
// act on. It runs worker threads with windows of their own and writes what
// it sees of itself to a report file: at start, once every window exists,
// and again on request.
//
//   treetarget --out FILE [--threads M] [--windows K] [--nested] [--dialog]
//              [--cross] [--hidden]
//
//   --threads M  M worker threads besides the main thread (default 1)
//   --windows K  K top-level windows per worker (default 1), titled
//                "tt<pid>-<thread>-<window>", cascading from (520, 40)
//   --nested     each worker's first window holds a child, which holds a
//                grandchild (both of the same worker)
//   --dialog     worker 0 also shows a modeless dialog "tt<pid>-dlg" with a
//                button and an edit control
//   --cross      worker 1 puts a child window "tt<pid>-cross" into worker
//                0's first window (a window of one thread under a window of
//                another); needs 2 workers
//   --hidden     the top-level windows start hidden
//
// The main thread owns one hidden window "tt<pid>-ctl". Registered messages:
//   "KorvTargetReport"     posted to any of our windows: the report is
//                          written again
//   "KorvTargetAddWindow"  posted to a worker's window: that worker makes
//                          one more visible top-level window
//                          "tt<pid>-<thread>-extra<n>", then the report is
//                          written again
//
// The report (written whole, then renamed over FILE):
//   seq N                        N counts the reports from 1
//   pid P
//   class C                      GetPriorityClass of the process, hex
//   thread INDEX TID PRIO CODE   INDEX -1 is the main thread; PRIO as
//                                GetThreadPriority gives it, CODE the exit
//                                code (259 while it runs)
//   window HWND TID VISIBLE TITLE   every window made, in creation order
//   end
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Worker {
    int index = 0;
    HANDLE hThread = nullptr;
    DWORD tid = 0;
    std::vector<HWND> firstWindows;  // top-level windows made at start
    int extras = 0;
};

struct Made {
    HWND hWnd;
    DWORD tid;
};

std::string g_out;
int g_windows = 1;
bool g_nested = false, g_dialog = false, g_cross = false, g_hidden = false;
std::vector<Worker> g_workers;
std::vector<Made> g_made;
CRITICAL_SECTION g_lock;
HANDLE g_readyEvents[64];
HWND g_ctl = nullptr;
int g_seq = 0;
UINT g_msgReport, g_msgAddWindow;
const char* kClass = "KorvTargetWnd";

void Remember(HWND w)
{
    EnterCriticalSection(&g_lock);
    g_made.push_back({w, GetCurrentThreadId()});
    LeaveCriticalSection(&g_lock);
}

std::string Title(const char* fmt, int a, int b)
{
    char buf[128];
    snprintf(buf, sizeof buf, fmt, (unsigned)GetCurrentProcessId(), a, b);
    return buf;
}

void WriteReport()
{
    std::string tmp = g_out + ".tmp";
    FILE* f = fopen(tmp.c_str(), "wb");
    if (!f)
        return;
    fprintf(f, "seq %d\n", ++g_seq);
    fprintf(f, "pid %lu\n", GetCurrentProcessId());
    fprintf(f, "class %lx\n", GetPriorityClass(GetCurrentProcess()));
    fprintf(f, "thread -1 %lu %d 259\n", GetCurrentThreadId(), GetThreadPriority(GetCurrentThread()));
    for (const Worker& w : g_workers) {
        DWORD code = 0;
        GetExitCodeThread(w.hThread, &code);
        fprintf(f, "thread %d %lu %d %lu\n", w.index, w.tid, GetThreadPriority(w.hThread), code);
    }
    EnterCriticalSection(&g_lock);
    for (const Made& m : g_made) {
        char title[256] = "";
        GetWindowTextA(m.hWnd, title, sizeof title);
        fprintf(f, "window %08lX %lu %d %s\n", (unsigned long)(UINT_PTR)m.hWnd, m.tid, IsWindowVisible(m.hWnd) ? 1 : 0,
                title);
    }
    LeaveCriticalSection(&g_lock);
    fprintf(f, "end\n");
    fclose(f);
    MoveFileExA(tmp.c_str(), g_out.c_str(), MOVEFILE_REPLACE_EXISTING);
}

HWND MakeTopLevel(const std::string& title, int slot, bool visible)
{
    int x = 520 + (slot % 12) * 30, y = 40 + (slot % 12) * 24;
    HWND w = CreateWindowExA(0, kClass, title.c_str(), WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0), x, y, 220, 150,
                             NULL, NULL, GetModuleHandleA(NULL), NULL);
    Remember(w);
    return w;
}

HWND MakeChild(HWND parent, const std::string& title, int x, int y)
{
    HWND w = CreateWindowExA(0, kClass, title.c_str(), WS_CHILD | WS_VISIBLE | WS_BORDER, x, y, 120, 60, parent, NULL,
                             GetModuleHandleA(NULL), NULL);
    Remember(w);
    return w;
}

// A modeless dialog from a template in memory: a caption, a button and an
// edit control.
HWND MakeDialog(const std::string& title)
{
    std::vector<WORD> t(512, 0);
    size_t i = 0;
    auto put = [&](WORD v) { t[i++] = v; };
    auto putString = [&](const char* s) {
        while (*s) put((WORD)(unsigned char)*s++);
        put(0);
    };
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    put(LOWORD(style)); put(HIWORD(style));
    put(0); put(0);          // extended style
    put(2);                  // items
    put(300); put(60); put(120); put(60);  // x, y, cx, cy (dialog units)
    put(0); put(0);          // no menu, default class
    putString(title.c_str());
    struct Item { DWORD style; short x, y, cx, cy; WORD id; WORD cls; const char* text; };
    const Item items[] = {
        {WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 50, 14, 100, 0x0080, "Press"},
        {WS_CHILD | WS_VISIBLE | WS_BORDER | ES_LEFT, 10, 30, 90, 12, 101, 0x0081, "edit"},
    };
    for (const Item& it : items) {
        while (i % 2) put(0);  // each item starts on a DWORD
        put(LOWORD(it.style)); put(HIWORD(it.style));
        put(0); put(0);
        put(it.x); put(it.y); put(it.cx); put(it.cy);
        put(it.id);
        put(0xFFFF); put(it.cls);
        putString(it.text);
        put(0);  // no creation data
    }
    HWND dlg = CreateDialogIndirectParamA(GetModuleHandleA(NULL), reinterpret_cast<LPCDLGTEMPLATEA>(t.data()), NULL,
                                         [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    Remember(dlg);
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        Remember(c);
    return dlg;
}

Worker* WorkerOfThisThread()
{
    for (Worker& w : g_workers)
        if (w.tid == GetCurrentThreadId())
            return &w;
    return nullptr;
}

LRESULT CALLBACK WndProc(HWND hWnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == g_msgReport) {
        if (hWnd == g_ctl)
            WriteReport();
        else
            PostMessageA(g_ctl, g_msgReport, 0, 0);  // the main thread writes every report
        return 0;
    }
    if (msg == g_msgAddWindow) {
        Worker* me = WorkerOfThisThread();
        if (me) {
            ++me->extras;
            MakeTopLevel(Title("tt%u-%d-extra%d", me->index, me->extras), me->index * 7 + me->extras, true);
            PostMessageA(g_ctl, g_msgReport, 0, 0);
        }
        return 0;
    }
    return DefWindowProcA(hWnd, msg, wp, lp);
}

DWORD WINAPI WorkerMain(LPVOID param)
{
    Worker& me = g_workers[(size_t)(INT_PTR)param];
    for (int k = 0; k < g_windows; ++k) {
        HWND w = MakeTopLevel(Title("tt%u-%d-%d", me.index, k), me.index * 5 + k, !g_hidden);
        me.firstWindows.push_back(w);
        if (k == 0 && g_nested) {
            HWND child = MakeChild(w, Title("tt%u-%d-%d-child", me.index, k), 4, 4);
            MakeChild(child, Title("tt%u-%d-%d-grandchild", me.index, k), 2, 2);
        }
    }
    if (me.index == 0 && g_dialog)
        MakeDialog(Title("tt%u-dlg", 0, 0));
    if (me.index == 1 && g_cross) {
        // Worker 0 is done by now (the workers start one after another).
        if (!g_workers[0].firstWindows.empty())
            MakeChild(g_workers[0].firstWindows[0], Title("tt%u-cross", 0, 0), 100, 60);
    }
    SetEvent(g_readyEvents[me.index]);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    int threads = 1;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--out" && i + 1 < argc) g_out = argv[++i];
        else if (a == "--threads" && i + 1 < argc) threads = atoi(argv[++i]);
        else if (a == "--windows" && i + 1 < argc) g_windows = atoi(argv[++i]);
        else if (a == "--nested") g_nested = true;
        else if (a == "--dialog") g_dialog = true;
        else if (a == "--cross") g_cross = true;
        else if (a == "--hidden") g_hidden = true;
    }
    if (g_out.empty() || threads < 0 || threads > 64 || (g_cross && threads < 2))
        return 2;

    InitializeCriticalSection(&g_lock);
    g_msgReport = RegisterWindowMessageA("KorvTargetReport");
    g_msgAddWindow = RegisterWindowMessageA("KorvTargetAddWindow");
    WNDCLASSA wc = {};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.hCursor = LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);

    char title[64];
    snprintf(title, sizeof title, "tt%lu-ctl", GetCurrentProcessId());
    g_ctl = CreateWindowExA(0, kClass, title, WS_OVERLAPPED, 0, 0, 50, 50, NULL, NULL, wc.hInstance, NULL);
    Remember(g_ctl);

    g_workers.resize(threads);
    for (int i = 0; i < threads; ++i) {
        g_workers[i].index = i;
        g_readyEvents[i] = CreateEventA(NULL, TRUE, FALSE, NULL);
    }
    // Workers start one after another, so that their windows come in order.
    for (int i = 0; i < threads; ++i) {
        g_workers[i].hThread = CreateThread(NULL, 0, WorkerMain, (LPVOID)(INT_PTR)i, 0, &g_workers[i].tid);
        WaitForSingleObject(g_readyEvents[i], INFINITE);
    }
    WriteReport();

    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
