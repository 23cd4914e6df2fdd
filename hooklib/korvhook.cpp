// korvhook.dll: two system-wide mouse hooks for Korvane.
//
// The WH_MOUSE hook runs inside every process that receives mouse input; it
// watches the Start button and swallows everything that lands on its left
// half. The WH_MOUSE_LL hook runs on the installing thread (Korvane's UI
// thread) and reports left presses in the button zone and outside the tree
// popup. The few values both hooks need live in a section shared by every
// process that maps the library.
//
// The hook procedures allocate nothing, take no lock and call nothing but
// PostMessage, SetCursor and CallNextHookEx.
#define KORVHOOK_BUILD
#include <windows.h>

#include "common/korvmsg.h"
#include "hooklib/korvhook.h"
#include "hooklib/HookSharedState.h"
#include "hooklib/zones.h"

// One copy for all processes: the section is shared (see the .def file and
// the attribute); it is all zero in the file.
HookSharedState g_shared __attribute__((section(".BLAZKT"), shared, aligned(4))) = {};

// Per-process words.
static HHOOK hMouseHook = 0;
static HHOOK hLowLevelHook = 0;
static UINT msgLButDown = 0;
static UINT msgMouseOver = 0;
static UINT msgLHideTree = 0;
static HCURSOR arrowCursor = 0;
static HINSTANCE moduleHandle = 0;

static inline HWND asWnd(LONG v) { return (HWND)(ULONG_PTR)(ULONG)v; }

static LRESULT CALLBACK mouseHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const MOUSEHOOKSTRUCT* mh = (const MOUSEHOOKSTRUCT*)lParam;
    if (mh && (LONG)(ULONG_PTR)mh->hwnd == g_shared.watchedWnd && mh->wHitTestCode == HTCLIENT) {
        PostMessageA(asWnd(g_shared.notifyWnd), msgMouseOver, 0, 0);
        if (InButtonZone(g_shared, mh->pt.x, mh->pt.y)) {
            SetCursor(arrowCursor);
            return -1;
        }
    }
    return CallNextHookEx(hMouseHook, nCode, wParam, lParam);
}

static LRESULT CALLBACK lowLevelMouseHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    const MSLLHOOKSTRUCT* ll = (const MSLLHOOKSTRUCT*)lParam;
    if (wParam == WM_LBUTTONDOWN && ll) {
        const LONG x = ll->pt.x, y = ll->pt.y;
        if (g_shared.treeVis != 0 && g_shared.isMenu == 0 && g_shared.isClip == 0 && OutsideTreeZone(g_shared, x, y))
            PostMessageA(asWnd(g_shared.notifyWnd), msgLHideTree, 0, 0);
        if (InButtonZone(g_shared, x, y))
            PostMessageA(asWnd(g_shared.notifyWnd), msgLButDown, 0, 0);
        g_shared.isMenu = 0;
    }
    return CallNextHookEx(hLowLevelHook, nCode, wParam, lParam);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInst, DWORD reason, LPVOID)
{
    arrowCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    if (reason == DLL_PROCESS_ATTACH) {
        moduleHandle = hInst;
        msgLButDown = RegisterWindowMessageA(UWM_LBUTDOWN_MSG);
        msgMouseOver = RegisterWindowMessageA(UWM_MOUSEOVER_MSG);
        msgLHideTree = RegisterWindowMessageA(UWM_LHIDETREE_MSG);
    } else if (reason == DLL_PROCESS_DETACH) {
        if (g_shared.notifyWnd != 0)
            clearMyHook();
    }
    return TRUE;
}

KORVHOOK_API int __cdecl setMyHook(int notifyWnd, int watchedWnd)
{
    // A notify window that no longer exists means its program ended without
    // removing the hooks (the system removed them with the process): the
    // slot is free again.
    if (g_shared.notifyWnd != 0 && !IsWindow(asWnd(g_shared.notifyWnd))) {
        g_shared.notifyWnd = 0;
        g_shared.watchedWnd = 0;
    }
    if (g_shared.notifyWnd != 0 || g_shared.watchedWnd != 0)
        return 0;

    hMouseHook = SetWindowsHookExA(WH_MOUSE, mouseHookProc, moduleHandle, 0);
    hLowLevelHook = SetWindowsHookExA(WH_MOUSE_LL, lowLevelMouseHookProc, moduleHandle, 0);
    if (!hMouseHook || !hLowLevelHook)
        return 0;

    g_shared.watchedWnd = watchedWnd;
    g_shared.notifyWnd = notifyWnd;
    return 1;
}

KORVHOOK_API int __cdecl clearMyHook()
{
    BOOL r1 = UnhookWindowsHookEx(hMouseHook);
    BOOL r2 = UnhookWindowsHookEx(hLowLevelHook);
    // A removed hook's handle is forgotten, so that a second call fails and
    // changes nothing. Unhooking the old handle again does not reliably
    // fail: while the hook chain is being called somewhere, the system
    // only marks a removed hook and keeps its handle valid.
    if (r1)
        hMouseHook = 0;
    if (r2)
        hLowLevelHook = 0;
    if (r1 && r2) {
        g_shared.notifyWnd = 0;
        g_shared.watchedWnd = 0;
    }
    return r1;
}

KORVHOOK_API int __cdecl setMyRect(int left, int top, int width, int height)
{
    g_shared.btnLeft = left;
    g_shared.btnTop = top;
    g_shared.btnHalfWidth = width / 2;  // C++ division rounds toward zero
    g_shared.btnHeight = height;
    return 1;
}

KORVHOOK_API int __cdecl setMyRect2(int left, int top, int width, int height)
{
    g_shared.treeLeft = left;
    g_shared.treeTop = top;
    g_shared.treeWidth = width;
    g_shared.treeHeight = height;
    return 1;
}

KORVHOOK_API int __cdecl setTreeVis(int flag) { g_shared.treeVis = flag; return 1; }
KORVHOOK_API int __cdecl setIsMenu(int flag) { g_shared.isMenu = flag; return 1; }
KORVHOOK_API int __cdecl setIsClip(int flag) { g_shared.isClip = flag; return 1; }
