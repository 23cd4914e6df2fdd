// CTipDlg: the start-up tip, a modeless window that shows where to click.
#ifndef KORV_APP_TIPDLG_H
#define KORV_APP_TIPDLG_H

#include "framework/fw.h"

class CTipDlg : public CDialog {
    DECLARE_DYNAMIC(CTipDlg)
public:
    CTipDlg();
    CStatic m_picture;
protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnDontShowClicked();
    DECLARE_MESSAGE_MAP()
};

#endif
