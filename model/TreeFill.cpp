// Fills the tree and the record lists from one snapshot of each kind and
// one walk of the window hierarchy.
#include "model/TreeFill.h"

#include <unordered_map>
#include <vector>

#include "model/TreeItems.h"

namespace {

typedef std::unordered_map<DWORD, std::vector<THREADENTRY32>> ThreadsByProcess;
typedef std::unordered_map<DWORD, std::vector<HWND>> WindowsByThread;

// Every thread of the system, by owner process, each process's threads in
// snapshot order.
void CollectThreads(ThreadsByProcess& out)
{
    HANDLE hSnap = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 te = {};
    te.dwSize = sizeof te;
    // A fresh snapshot's first Thread32Next yields its first record.
    while (::Thread32Next(hSnap, &te))
        out[te.th32OwnerProcessID].push_back(te);
    ::CloseHandle(hSnap);
}

// The descendants of hParent (all windows when it is null), by thread, in
// depth-first pre-order: a window, its descendants, then its next sibling.
void CollectWindows(HWND hParent, WindowsByThread& out)
{
    for (HWND w = ::GetTopWindow(hParent); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        out[::GetWindowThreadProcessId(w, nullptr)].push_back(w);
        CollectWindows(w, out);
    }
}

}  // namespace

void FillProcessTree(CTreeCtrl& tree, CProcessList& processes, CThreadList& threads, CWindowList& windows)
{
    HANDLE hProcSnap = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    ThreadsByProcess threadsOf;
    CollectThreads(threadsOf);
    WindowsByThread windowsOf;
    CollectWindows(nullptr, windowsOf);

    PROCESSENTRY32 pe = {};
    pe.dwSize = sizeof pe;
    // A fresh snapshot's first Process32Next yields its first record.
    while (::Process32Next(hProcSnap, &pe)) {
        HTREEITEM hProcessItem = InsertProcessItem(tree, pe);
        processes.Add(pe);

        auto t = threadsOf.find(pe.th32ProcessID);
        if (t == threadsOf.end())
            continue;
        for (const THREADENTRY32& te : t->second) {
            HTREEITEM hThreadItem = InsertThreadItem(tree, hProcessItem, te);
            threads.Add(te);

            auto w = windowsOf.find(te.th32ThreadID);
            if (w == windowsOf.end())
                continue;
            for (HWND hWnd : w->second) {
                InsertWindowItem(tree, hThreadItem, hWnd);
                windows.Add(hWnd);
            }
        }
    }
    ::CloseHandle(hProcSnap);
}
