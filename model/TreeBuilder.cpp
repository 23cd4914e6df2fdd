// Builds the popup tree of every process, its threads and their windows.
#include "frame/MainFrm.h"

#include "hooklib/korvhook.h"
#include "model/TreeFill.h"
#include "model/TreeItems.h"

void CMainFrame::RebuildTree()
{
    CMyTreeCtrl& tree = m_dlgTree.m_tree;
    tree.DeleteAllItems();
    ProcessList.RemoveAll();
    ThreadList.RemoveAll();
    WindowList.RemoveAll();
    setTreeVis(0);
    m_dlgTree.ShowWindow(SW_HIDE);

    FillProcessTree(tree, ProcessList, ThreadList, WindowList);

    SizeAndPlacePopup();
}

void CMainFrame::AddThreadWindows(HWND hParent, DWORD dwThreadId, HTREEITEM hParentItem, BOOL bAddToList)
{
    for (HWND w = ::GetTopWindow(hParent); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        if (::GetWindowThreadProcessId(w, nullptr) == dwThreadId) {
            InsertWindowItem(m_dlgTree.m_tree, hParentItem, w);
            if (bAddToList)
                WindowList.Add(w);
        }
        AddThreadWindows(w, dwThreadId, hParentItem, bAddToList);
    }
}
