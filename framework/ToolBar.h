// CToolBar: a control bar over the common toolbar control, loaded from a
// toolbar resource (type RT_TOOLBAR_ID) and the bitmap of the same id.
#ifndef KORV_FW_TOOLBAR_H
#define KORV_FW_TOOLBAR_H

#include "framework/ControlBar.h"

class CToolBar : public CControlBar {
    DECLARE_DYNAMIC(CToolBar)
public:
    // dwCtrlStyle: TBSTYLE_* of the control; dwStyle: window and CBRS_* styles.
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
                  UINT nID = AFX_IDW_TOOLBAR);
    // The resource holds WORDs: version 1, button width, button height,
    // item count, then the command id of each item (0: a separator).
    BOOL LoadToolBar(UINT nIDResource);

    int CalcHeight() override;
};

#endif
