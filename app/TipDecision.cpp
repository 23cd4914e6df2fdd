// Whether the start-up tip shows: the setting file "show.txt" beside the
// program.
#include "app/QuillanApp.h"

#include "app/ProgramFolder.h"
#include "res/resource.h"

#include <shlwapi.h>

void CQuillanApp::ShowTipIfWanted()
{
    CString strPath = GetProgramFolderFile("show.txt");

    if (::PathFileExistsA(strPath)) {
        // Only a first line of exactly "show" asks for the tip. A file that
        // cannot be opened or read keeps the tip away, without a word.
        CStdioFile file;
        if (!file.Open(strPath, CFile::modeRead | CFile::typeText))
            return;
        CString strLine;
        file.ReadString(strLine);
        BOOL bReadFailed = file.HasFailed();
        file.Close();
        if (bReadFailed || strLine != CString("show"))
            return;
    }

    m_bmpTip.LoadBitmap(IDB_TIP);
    m_dlgTip.Create(IDD_TIP, nullptr);
    m_dlgTip.m_picture.SetBitmap(m_bmpTip);
    m_dlgTip.ShowWindow(SW_SHOW);
}
