#include "popup/ToolTipButton.h"

BEGIN_MESSAGE_MAP(CToolTipButton, CButton)
END_MESSAGE_MAP()

namespace {
const UINT kToolId = 1;
}

BOOL CToolTipButton::PreTranslateMessage(MSG* pMsg)
{
    // The tool is not subclassed: relaying is how the tooltip sees the mouse.
    InitToolTip();
    m_ToolTip.RelayEvent(pMsg);
    return CButton::PreTranslateMessage(pMsg);
}

void CToolTipButton::InitToolTip()
{
    if (m_ToolTip.GetSafeHwnd())
        return;
    m_ToolTip.Create(this);
    m_ToolTip.Activate(TRUE);
}

void CToolTipButton::SetTooltipText(const CString* pText, BOOL bActivate)
{
    if (!pText)
        return;
    InitToolTip();
    if (m_ToolTip.GetToolCount() == 0) {
        CRect rect;
        GetClientRect(&rect);
        m_ToolTip.AddTool(this, *pText, &rect, kToolId);
    }
    m_ToolTip.UpdateTipText(*pText, this, kToolId);
    m_ToolTip.Activate(bActivate);
}
