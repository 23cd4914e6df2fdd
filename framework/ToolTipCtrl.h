// CToolTipCtrl: the common tooltip control. Tools are registered without
// subclassing: the owner relays mouse messages with RelayEvent.
#ifndef KORV_FW_TOOLTIPCTRL_H
#define KORV_FW_TOOLTIPCTRL_H

#include "framework/Wnd.h"

class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    // A tooltip window owned by pParentWnd; dwStyle: TTS_* styles.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    void Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, bActivate); }
    // Tool nIDTool of pWnd: the rectangle (client coordinates of pWnd;
    // null: its whole client area) shows lpszText.
    BOOL AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool = nullptr, UINT nIDTool = 0);
    void UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT nIDTool = 0);
    int GetToolCount() const { return (int)SendMessage(TTM_GETTOOLCOUNT); }
    void RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, (LPARAM)lpMsg); }
};

#endif
