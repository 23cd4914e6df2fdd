// From a tree item back to its process, thread or window: the entry of the
// record list whose label equals the item's text, byte for byte. Items hold
// nothing else that could link them to their records.
#include "frame/MainFrm.h"

#include "model/Labels.h"

// Every access right of a process or thread: the classic values, which
// every version of the system accepts.
static const DWORD kProcessAllAccess = 0x1F0FFF;
static const DWORD kThreadAllAccess = 0x1F03FF;

HANDLE CMainFrame::ItemToProcess(HTREEITEM hItem, int* pIndex)
{
    if (ProcessList.IsEmpty())
        return nullptr;
    CString text = m_dlgTree.m_tree.GetItemText(hItem);
    for (INT_PTR i = 0; i < ProcessList.GetSize(); ++i) {
        const PROCESSENTRY32& pe = ProcessList.ElementAt(i);
        if (ProcessLabel(pe) == text) {
            if (pIndex)
                *pIndex = (int)i;
            return ::OpenProcess(kProcessAllAccess, TRUE, pe.th32ProcessID);
        }
    }
    return nullptr;
}

HANDLE CMainFrame::ItemToThread(HTREEITEM hItem, int* pIndex)
{
    if (ThreadList.IsEmpty())
        return nullptr;
    CString text = m_dlgTree.m_tree.GetItemText(hItem);
    for (INT_PTR i = 0; i < ThreadList.GetSize(); ++i) {
        const THREADENTRY32& te = ThreadList.ElementAt(i);
        if (ThreadLabel(te) == text) {
            if (pIndex)
                *pIndex = (int)i;
            return ::OpenThread(kThreadAllAccess, TRUE, te.th32ThreadID);
        }
    }
    return nullptr;
}

HWND CMainFrame::ItemToWindow(HTREEITEM hItem, int* pIndex)
{
    if (WindowList.IsEmpty())
        return nullptr;
    CString text = m_dlgTree.m_tree.GetItemText(hItem);
    for (INT_PTR i = 0; i < WindowList.GetSize(); ++i) {
        HWND hWnd = WindowList[i];
        // The label of the window's title and class of this moment.
        if (WindowLabelNow(hWnd) == text) {
            if (pIndex)
                *pIndex = (int)i;
            return hWnd;
        }
    }
    return nullptr;
}
