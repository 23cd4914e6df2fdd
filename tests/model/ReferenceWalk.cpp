#include "model/ReferenceWalk.h"

#include <tlhelp32.h>
#include <cstdio>

static HTREEITEM Insert(HWND tree, HTREEITEM parent, const char* text, int image)
{
    TVINSERTSTRUCTA is = {};
    is.hParent = parent;
    is.hInsertAfter = TVI_LAST;
    is.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    is.item.pszText = const_cast<char*>(text);
    is.item.iImage = image;
    is.item.iSelectedImage = image;
    return (HTREEITEM)SendMessageA(tree, TVM_INSERTITEMA, 0, (LPARAM)&is);
}

void ReferenceThreadWindows(HWND tree, HWND parent, DWORD tid, HTREEITEM parentItem, CWindowList* list)
{
    HWND w = GetTopWindow(parent);
    while (w) {
        if (GetWindowThreadProcessId(w, nullptr) == tid) {
            char title[256] = "", cls[256] = "", label[600];
            GetWindowTextA(w, title, sizeof title);
            RealGetWindowClassA(w, cls, sizeof cls);
            snprintf(label, sizeof label, "Window: %08X \"%s\" %s", (unsigned)(UINT_PTR)w, title, cls);
            Insert(tree, parentItem, label, IsWindowVisible(w) ? 2 : 3);
            if (list)
                list->Add(w);
        }
        ReferenceThreadWindows(tree, w, tid, parentItem, list);
        w = GetWindow(w, GW_HWNDNEXT);
    }
}

void ReferenceFill(HWND tree, CProcessList& processes, CThreadList& threads, CWindowList& windows)
{
    char label[600];
    HANDLE procSnap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 pe = {};
    pe.dwSize = sizeof pe;
    while (Process32Next(procSnap, &pe)) {
        snprintf(label, sizeof label, "Process: %08X - %s", (unsigned)pe.th32ProcessID, pe.szExeFile);
        HTREEITEM procItem = Insert(tree, nullptr, label, 0);
        processes.Add(pe);
        HANDLE threadSnap = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
        THREADENTRY32 te = {};
        te.dwSize = sizeof te;
        while (Thread32Next(threadSnap, &te)) {
            if (te.th32OwnerProcessID != pe.th32ProcessID)
                continue;
            snprintf(label, sizeof label, "Thread: %08X", (unsigned)te.th32ThreadID);
            HTREEITEM threadItem = Insert(tree, procItem, label, 1);
            threads.Add(te);
            ReferenceThreadWindows(tree, nullptr, te.th32ThreadID, threadItem, &windows);
        }
        CloseHandle(threadSnap);
    }
    CloseHandle(procSnap);
}
