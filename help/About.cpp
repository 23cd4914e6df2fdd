// The About box: a plain dialog on its template.
#include "app/QuillanApp.h"
#include "res/resource.h"

void CQuillanApp::OnAppAbout()
{
    CDialog aboutDlg(IDD_ABOUTBOX, nullptr);
    aboutDlg.DoModal();
}
