// CTreeCtrl: the common tree-view control (ANSI messages).
#ifndef KORV_FW_TREECTRL_H
#define KORV_FW_TREECTRL_H

#include "framework/Wnd.h"

class CImageList;

class CTreeCtrl : public CWnd {
    DECLARE_DYNAMIC(CTreeCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    HTREEITEM InsertItem(LPTVINSERTSTRUCTA lpInsertStruct)
    {
        return (HTREEITEM)SendMessage(TVM_INSERTITEMA, 0, (LPARAM)lpInsertStruct);
    }
    BOOL DeleteItem(HTREEITEM hItem) { return (BOOL)SendMessage(TVM_DELETEITEM, 0, (LPARAM)hItem); }
    BOOL DeleteAllItems() { return DeleteItem(TVI_ROOT); }
    UINT GetCount() const { return (UINT)SendMessage(TVM_GETCOUNT); }

    // The item's whole text, however long.
    CString GetItemText(HTREEITEM hItem) const;
    // Whether the item has child items (TVIF_CHILDREN of the item).
    BOOL ItemHasChildren(HTREEITEM hItem) const;

    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const
    {
        return (HTREEITEM)SendMessage(TVM_GETNEXTITEM, nCode, (LPARAM)hItem);
    }
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXT); }
    HTREEITEM GetParentItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PARENT); }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    BOOL SelectItem(HTREEITEM hItem) { return (BOOL)SendMessage(TVM_SELECTITEM, TVGN_CARET, (LPARAM)hItem); }

    // The item at a point of the client area, or null; pFlags receives the
    // hit-test flags.
    HTREEITEM HitTest(CPoint pt, UINT* pFlags = nullptr) const;

    // nImageList: TVSIL_NORMAL or TVSIL_STATE. Returns the list it replaces.
    HIMAGELIST SetImageList(CImageList* pImageList, int nImageList);
    COLORREF SetBkColor(COLORREF clr) { return (COLORREF)SendMessage(TVM_SETBKCOLOR, 0, (LPARAM)clr); }
};

#endif
