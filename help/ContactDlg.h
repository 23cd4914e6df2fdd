// CContactDlg: shows the developer's contact line in a read-only field.
#ifndef KORV_HELP_CONTACTDLG_H
#define KORV_HELP_CONTACTDLG_H

#include "framework/fw.h"

// The one line the contact dialog shows.
extern const char* const kContactLine;

class CContactDlg : public CDialog {
    DECLARE_DYNAMIC(CContactDlg)
public:
    CContactDlg();
    CEdit m_edit;
protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};

#endif
