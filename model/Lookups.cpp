// From a tree item back to its process, thread or window: the entry of the
// record list whose label equals the item's text, byte for byte. Items hold
// nothing else that could link them to their records.
#include "frame/MainFrm.h"

#include "model/Labels.h"

// Every access right of a process or thread: the classic values, which
// every version of the system accepts.
static const DWORD kProcessAllAccess = 0x1F0FFF;
static const DWORD kThreadAllAccess = 0x1F03FF;

// The index of the first entry whose label equals the item's text, or -1.
// An empty list is answered without asking the tree for the text.
template <class List, class LabelOf>
static INT_PTR FindByLabel(const List& list, const CMyTreeCtrl& tree, HTREEITEM hItem, LabelOf labelOf)
{
    if (list.IsEmpty())
        return -1;
    CString text = tree.GetItemText(hItem);
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        if (labelOf(list[i]) == text)
            return i;
    return -1;
}

HANDLE CMainFrame::ItemToProcess(HTREEITEM hItem, int* pIndex)
{
    INT_PTR i = FindByLabel(ProcessList, m_dlgTree.m_tree, hItem,
                            [](const PROCESSENTRY32& pe) { return ProcessLabel(pe); });
    if (i < 0)
        return nullptr;
    if (pIndex)
        *pIndex = (int)i;
    return ::OpenProcess(kProcessAllAccess, TRUE, ProcessList[i].th32ProcessID);
}

HANDLE CMainFrame::ItemToThread(HTREEITEM hItem, int* pIndex)
{
    INT_PTR i = FindByLabel(ThreadList, m_dlgTree.m_tree, hItem,
                            [](const THREADENTRY32& te) { return ThreadLabel(te); });
    if (i < 0)
        return nullptr;
    if (pIndex)
        *pIndex = (int)i;
    return ::OpenThread(kThreadAllAccess, TRUE, ThreadList[i].th32ThreadID);
}

HWND CMainFrame::ItemToWindow(HTREEITEM hItem, int* pIndex)
{
    // The label of the window's title and class of this moment.
    INT_PTR i = FindByLabel(WindowList, m_dlgTree.m_tree, hItem, [](HWND hWnd) { return WindowLabelNow(hWnd); });
    if (i < 0)
        return nullptr;
    if (pIndex)
        *pIndex = (int)i;
    return WindowList[i];
}
