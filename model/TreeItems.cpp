// Inserting the process, thread and window items.
#include "model/TreeItems.h"

#include "model/Labels.h"

HTREEITEM InsertTreeItem(CTreeCtrl& tree, HTREEITEM hParent, const char* pszLabel, int nImage)
{
    TVINSERTSTRUCTA tvis = {};
    tvis.hParent = hParent;
    tvis.hInsertAfter = TVI_LAST;
    tvis.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    tvis.item.pszText = const_cast<char*>(pszLabel);
    tvis.item.iImage = nImage;
    tvis.item.iSelectedImage = nImage;
    return tree.InsertItem(&tvis);
}

HTREEITEM InsertProcessItem(CTreeCtrl& tree, const PROCESSENTRY32& pe)
{
    return InsertTreeItem(tree, nullptr, ProcessLabel(pe), IMAGE_PROCESS);
}

HTREEITEM InsertThreadItem(CTreeCtrl& tree, HTREEITEM hProcessItem, const THREADENTRY32& te)
{
    return InsertTreeItem(tree, hProcessItem, ThreadLabel(te), IMAGE_THREAD);
}

HTREEITEM InsertWindowItem(CTreeCtrl& tree, HTREEITEM hThreadItem, HWND hWnd)
{
    CString label = WindowLabelNow(hWnd);
    return InsertTreeItem(tree, hThreadItem, label, WindowImage(hWnd));
}
