// CMyTreeCtrl: the popup's tree. It writes itself as text (one line per
// item, tab-indented by depth) and walks its items in pre-order.
#ifndef KORV_POPUP_MYTREECTRL_H
#define KORV_POPUP_MYTREECTRL_H

#include "framework/fw.h"

class CMyTreeCtrl : public CTreeCtrl {
    DECLARE_DYNAMIC(CMyTreeCtrl)
public:
    void Serialize(CArchive& ar) override;             // popup/TreeText.cpp
    int GetItemDepth(HTREEITEM hItem) const;            // popup/TreeText.cpp
    HTREEITEM GetNextItemPreorder(HTREEITEM hItem) const;  // popup/TreeText.cpp
protected:
    void OnPaint();
    DECLARE_MESSAGE_MAP()
};

#endif
