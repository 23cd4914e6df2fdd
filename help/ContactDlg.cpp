#include "help/ContactDlg.h"

#include "res/resource.h"

const char* const kContactLine = "Jorrit Vanmaele - jorrit.vanmaele@korvane.invalid";

IMPLEMENT_DYNAMIC(CContactDlg, CDialog)

CContactDlg::CContactDlg() : CDialog(IDD_CONTACT, nullptr)
{
}

void CContactDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CONTACT_EDIT, m_edit);
}

BOOL CContactDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_edit.SetWindowText(kContactLine);
    return TRUE;
}
