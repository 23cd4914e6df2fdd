// The commands of the item context menus: copy an item's text, set a
// priority, end a process or thread, show or hide a window. Each acts on
// the tree's selected item, which the right click that opened the menu
// selected. With no item selected (a right click beside every item) there
// is nothing to act on, and a command does nothing at all.
#include "frame/MainFrm.h"

#include <cstring>

namespace {

void ShowErrorCode(DWORD dwError)
{
    CString text;
    text.Format("Error code: %d", (int)dwError);
    AfxMessageBox(text, MB_OK, 0);
}

void SetSelectedProcessPriority(CMainFrame& frame, DWORD dwPriorityClass)
{
    HTREEITEM hItem = frame.m_dlgTree.m_tree.GetSelectedItem();
    if (!hItem)
        return;
    HANDLE hProcess = frame.ItemToProcess(hItem);
    if (!::SetPriorityClass(hProcess, dwPriorityClass))
        ShowErrorCode(::GetLastError());
    if (hProcess)
        ::CloseHandle(hProcess);
}

void SetSelectedThreadPriority(CMainFrame& frame, int nPriority)
{
    HTREEITEM hItem = frame.m_dlgTree.m_tree.GetSelectedItem();
    if (!hItem)
        return;
    HANDLE hThread = frame.ItemToThread(hItem);
    if (!::SetThreadPriority(hThread, nPriority))
        ShowErrorCode(::GetLastError());
    if (hThread)
        ::CloseHandle(hThread);
}

// Shows or hides the selected window, then lists its thread's windows
// again as they are now (new ones included, gone ones left out), without
// records: the full build's records still find the windows they had.
void ShowSelectedWindow(CMainFrame& frame, int nCmdShow)
{
    CMyTreeCtrl& tree = frame.m_dlgTree.m_tree;
    HTREEITEM hItem = tree.GetSelectedItem();
    HTREEITEM hThreadItem = hItem ? tree.GetParentItem(hItem) : nullptr;
    if (!hThreadItem)
        return;  // no window item selected
    HWND hWnd = frame.ItemToWindow(hItem);
    ::ShowWindow(hWnd, nCmdShow);

    for (HTREEITEM hChild = tree.GetChildItem(hThreadItem); hChild;) {
        HTREEITEM hNext = tree.GetNextSiblingItem(hChild);
        tree.DeleteItem(hChild);
        hChild = hNext;
    }
    // No window, no thread to list windows of.
    if (hWnd)
        frame.AddThreadWindows(nullptr, ::GetWindowThreadProcessId(hWnd, nullptr), hThreadItem, FALSE);
    tree.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

}  // namespace

void CMainFrame::OnCopyText()
{
    HTREEITEM hItem = m_dlgTree.m_tree.GetSelectedItem();
    if (!hItem)
        return;  // the clipboard keeps what it holds
    CString text = m_dlgTree.m_tree.GetItemText(hItem);
    if (!::OpenClipboard(m_hWnd))
        return;
    ::EmptyClipboard();
    const SIZE_T nBytes = (SIZE_T)text.GetLength() + 1;
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
    if (hMem) {
        if (void* p = ::GlobalLock(hMem)) {
            memcpy(p, (const char*)text, nBytes);
            ::GlobalUnlock(hMem);
            // From here on the clipboard owns the block.
            if (!::SetClipboardData(CF_TEXT, hMem))
                ::GlobalFree(hMem);
        } else {
            ::GlobalFree(hMem);
        }
    }
    ::CloseClipboard();
}

void CMainFrame::OnProcRealtime() { SetSelectedProcessPriority(*this, REALTIME_PRIORITY_CLASS); }
void CMainFrame::OnProcHigh() { SetSelectedProcessPriority(*this, HIGH_PRIORITY_CLASS); }
void CMainFrame::OnProcAboveNormal() { SetSelectedProcessPriority(*this, ABOVE_NORMAL_PRIORITY_CLASS); }
void CMainFrame::OnProcNormal() { SetSelectedProcessPriority(*this, NORMAL_PRIORITY_CLASS); }
void CMainFrame::OnProcBelowNormal() { SetSelectedProcessPriority(*this, BELOW_NORMAL_PRIORITY_CLASS); }
void CMainFrame::OnProcLow() { SetSelectedProcessPriority(*this, IDLE_PRIORITY_CLASS); }

void CMainFrame::OnThreadCritical() { SetSelectedThreadPriority(*this, THREAD_PRIORITY_TIME_CRITICAL); }
void CMainFrame::OnThreadHigh() { SetSelectedThreadPriority(*this, THREAD_PRIORITY_HIGHEST); }
void CMainFrame::OnThreadAboveNormal() { SetSelectedThreadPriority(*this, THREAD_PRIORITY_ABOVE_NORMAL); }
void CMainFrame::OnThreadNormal() { SetSelectedThreadPriority(*this, THREAD_PRIORITY_NORMAL); }
void CMainFrame::OnThreadBelowNormal() { SetSelectedThreadPriority(*this, THREAD_PRIORITY_BELOW_NORMAL); }
void CMainFrame::OnThreadLow() { SetSelectedThreadPriority(*this, THREAD_PRIORITY_LOWEST); }
void CMainFrame::OnThreadIdle() { SetSelectedThreadPriority(*this, THREAD_PRIORITY_IDLE); }

void CMainFrame::OnEndProcess()
{
    HTREEITEM hItem = m_dlgTree.m_tree.GetSelectedItem();
    if (!hItem)
        return;
    int nIndex = 0;
    HANDLE hProcess = ItemToProcess(hItem, &nIndex);
    if (::TerminateProcess(hProcess, 0)) {
        // The item goes with its threads and windows; only its own record
        // leaves the lists.
        m_dlgTree.m_tree.DeleteItem(hItem);
        ProcessList.RemoveAt(nIndex, 1);
    } else {
        ShowErrorCode(::GetLastError());
    }
    if (hProcess)
        ::CloseHandle(hProcess);
}

void CMainFrame::OnEndThread()
{
    HTREEITEM hItem = m_dlgTree.m_tree.GetSelectedItem();
    if (!hItem)
        return;
    int nIndex = 0;
    HANDLE hThread = ItemToThread(hItem, &nIndex);
    if (::TerminateThread(hThread, 0)) {
        m_dlgTree.m_tree.DeleteItem(hItem);
        ThreadList.RemoveAt(nIndex, 1);
    } else {
        ShowErrorCode(::GetLastError());
    }
    if (hThread)
        ::CloseHandle(hThread);
}

void CMainFrame::OnWinVisible() { ShowSelectedWindow(*this, SW_SHOW); }
void CMainFrame::OnWinInvisible() { ShowSelectedWindow(*this, SW_HIDE); }
