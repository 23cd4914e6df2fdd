// The help button's menu: contact the developer, make a donation.
#include "frame/MainFrm.h"

#include "app/ProgramFolder.h"
#include "hooklib/korvhook.h"
#include "res/resource.h"

#include <shellapi.h>

// The menu hangs under the help button, its left edge on the button's.
LRESULT CMainFrame::OnShowHelpMenu(WPARAM, LPARAM)
{
    CRect rcButton;
    m_dlgTree.m_btnHelp.GetWindowRect(&rcButton);

    CMenu menu;
    menu.LoadMenu(IDR_HELPMENU);
    CMenu* pPopup = menu.GetSubMenu(0);

    // The click that picks an entry must not hide the popup.
    setIsMenu(1);
    // This frame is the application's (hidden) main window; it receives the
    // chosen command.
    if (pPopup)
        pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, rcButton.left, rcButton.bottom, this);

    menu.DestroyMenu();
    return 0;
}

void CMainFrame::OnContact()
{
    m_dlgContact.DoModal();
}

// The donation page ships beside the program; the user's handler for it
// opens it. Nothing is said when that fails.
void CMainFrame::OnDonate()
{
    CString strPage = GetProgramFolderFile("donate.htm");
    ::ShellExecuteA(NULL, "open", strPage, NULL, NULL, SW_SHOWNORMAL);
}
