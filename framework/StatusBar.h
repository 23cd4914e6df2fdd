// CStatusBar: a control bar over the common status control, with one part
// per indicator.
#ifndef KORV_FW_STATUSBAR_H
#define KORV_FW_STATUSBAR_H

#include <vector>

#include "framework/ControlBar.h"

class CStatusBar : public CControlBar {
    DECLARE_DYNAMIC(CStatusBar)
public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    // One part per id: ID_SEPARATOR takes the free width; any other id
    // shows its string resource, if any, in a part of fixed width.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int CalcHeight() override;

private:
    void UpdateParts();
    std::vector<UINT> m_indicators;
};

#endif
