#include "app/TipDlg.h"

#include "app/ProgramFolder.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CTipDlg, CDialog)

BEGIN_MESSAGE_MAP(CTipDlg, CDialog)
    ON_BN_CLICKED(IDC_DONTSHOW, &CTipDlg::OnDontShowClicked)
END_MESSAGE_MAP()

CTipDlg::CTipDlg() : CDialog(IDD_TIP, nullptr)
{
}

void CTipDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TIP_PICTURE, m_picture);
}

// Every click, checking or clearing, writes "dont show": once asked, the
// tip stays away until the file is changed from outside.
void CTipDlg::OnDontShowClicked()
{
    CString strPath = GetProgramFolderFile("show.txt");
    CStdioFile file;
    CFileException fe;
    if (!file.Open(strPath, CFile::modeCreate | CFile::modeWrite | CFile::typeText, &fe)) {
        fe.ReportError();
        return;
    }
    file.WriteString("dont show");
    if (!file.Close(&fe))
        fe.ReportError();
}
