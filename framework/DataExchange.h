// Dialog data exchange: binding dialog controls to member objects.
#ifndef KORV_FW_DATAEXCHANGE_H
#define KORV_FW_DATAEXCHANGE_H

#include "framework/Wnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;
    BOOL m_bFailed = FALSE;   // a control named in the exchange was not there
};

// Binds dialog control nIDC to rControl, once: the control's messages then
// go through rControl (subclassed). A missing control marks the exchange failed.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

#endif
