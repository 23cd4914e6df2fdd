#include "framework/TreeCtrl.h"

#include "framework/ImageList.h"

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_TREEVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const
{
    CString strText;
    for (int nLen = 256;; nLen *= 2) {
        char* pBuf = strText.GetBuffer(nLen);
        pBuf[0] = '\0';
        TVITEMA item = {};
        item.mask = TVIF_TEXT;
        item.hItem = hItem;
        item.pszText = pBuf;
        item.cchTextMax = nLen + 1;
        if (!SendMessage(TVM_GETITEMA, 0, (LPARAM)&item)) {
            strText.ReleaseBuffer(0);
            break;
        }
        if (item.pszText != pBuf) {
            // The control answered with its own buffer, which holds the whole text.
            strText.ReleaseBuffer(0);
            return CString(item.pszText);
        }
        strText.ReleaseBuffer();
        if (strText.GetLength() < nLen)
            break;  // room to spare: this is the whole text
    }
    return strText;
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const
{
    TVITEMA item = {};
    item.mask = TVIF_CHILDREN;
    item.hItem = hItem;
    if (!SendMessage(TVM_GETITEMA, 0, (LPARAM)&item))
        return FALSE;
    return item.cChildren != 0;
}

HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    TVHITTESTINFO hti = {};
    hti.pt = pt;
    HTREEITEM hItem = (HTREEITEM)SendMessage(TVM_HITTEST, 0, (LPARAM)&hti);
    if (pFlags)
        *pFlags = hti.flags;
    return hItem;
}

HIMAGELIST CTreeCtrl::SetImageList(CImageList* pImageList, int nImageList)
{
    return (HIMAGELIST)SendMessage(TVM_SETIMAGELIST, nImageList,
                                   (LPARAM)(pImageList ? pImageList->GetSafeHandle() : nullptr));
}
