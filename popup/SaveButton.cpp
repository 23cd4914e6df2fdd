// The save button: the tree to a text file the user picks.
#include "popup/MenuDlg.h"

#include "hooklib/korvhook.h"

namespace {

// The file could not be created or written: say which file and why. The
// click that closes the message box must not hide the popup, just as the
// first click in the Save As dialog does not.
void ReportSaveError(const CFileException& fe)
{
    setIsMenu(1);
    fe.ReportError();
}

}  // namespace

void CMenuDlg::OnSaveClicked()
{
    // The user's first click in the Save As dialog must not hide the popup.
    setIsMenu(1);

    CFileDialog dlg(FALSE, ".txt", nullptr, OFN_OVERWRITEPROMPT, "Text file (*.txt)|*.txt||", nullptr);
    if (dlg.DoModal() != IDOK)
        return;

    // The tree is read only now, as it stands after the dialog.
    CString strPath = dlg.GetPathName();
    CStdioFile file;
    CFileException fe;
    if (!file.Open(strPath, CFile::modeCreate | CFile::modeWrite | CFile::typeText, &fe)) {
        ReportSaveError(fe);
        return;
    }
    CArchive ar(&file, CArchive::store, 4096);
    m_tree.Serialize(ar);
    ar.Close();
    if (!file.Close(&fe))
        ReportSaveError(fe);
}
