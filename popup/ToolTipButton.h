// CToolTipButton: a push button with a tooltip of its own, fed by relaying
// the mouse messages that pass through PreTranslateMessage.
#ifndef KORV_POPUP_TOOLTIPBUTTON_H
#define KORV_POPUP_TOOLTIPBUTTON_H

#include "framework/fw.h"

class CToolTipButton : public CButton {
public:
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void InitToolTip();
    void SetTooltipText(const CString* pText, BOOL bActivate = TRUE);

    CToolTipCtrl m_ToolTip;
protected:
    DECLARE_MESSAGE_MAP()
};

#endif
