// The tree as text: depth tabs, the label, a line end; pre-order.
#include "popup/MyTreeCtrl.h"

// Every item, expanded or collapsed, becomes one line: one tab per
// ancestor, the full label, a line feed (which a text-mode file stores as
// CR LF).
void CMyTreeCtrl::Serialize(CArchive& ar)
{
    if (ar.IsLoading())
        return;
    for (HTREEITEM hItem = GetRootItem(); hItem && !ar.HasFailed(); hItem = GetNextItemPreorder(hItem)) {
        for (int nDepth = GetItemDepth(hItem); nDepth > 0; --nDepth)
            ar.Write("\t", 1);
        CString strLabel = GetItemText(hItem);
        ar.Write((LPCSTR)strLabel, (UINT)strLabel.GetLength());
        ar.Write("\n", 1);
    }
}

int CMyTreeCtrl::GetItemDepth(HTREEITEM hItem) const
{
    int nDepth = 0;
    for (HTREEITEM hParent = GetParentItem(hItem); hParent; hParent = GetParentItem(hParent))
        ++nDepth;
    return nDepth;
}

// The tree's navigation does not depend on whether a branch is expanded,
// so the walk reaches every item exactly once.
HTREEITEM CMyTreeCtrl::GetNextItemPreorder(HTREEITEM hItem) const
{
    if (ItemHasChildren(hItem))
        return GetChildItem(hItem);
    for (;;) {
        HTREEITEM hNext = GetNextSiblingItem(hItem);
        if (hNext)
            return hNext;
        hItem = GetParentItem(hItem);
        if (!hItem)
            return nullptr;
    }
}
