// The context menu of a tree item: by the item's depth, with the entry for
// the current priority or visibility checked.
#include "frame/MainFrm.h"

#include "actions/MenuChecks.h"
#include "hooklib/korvhook.h"
#include "res/resource.h"

LRESULT CMainFrame::OnShowMenu(WPARAM, LPARAM)
{
    CMyTreeCtrl& tree = m_dlgTree.m_tree;

    // The menu opens where the right click was; the item under it becomes
    // the selected item, which the menu's commands act on.
    CPoint ptScreen;
    ::GetCursorPos(&ptScreen);
    CPoint ptTree = ptScreen;
    tree.ScreenToClient(&ptTree);
    HTREEITEM hItem = tree.HitTest(ptTree);
    tree.SelectItem(hItem);

    // Process items sit at the root, threads under them, windows under those.
    HTREEITEM hParent = tree.GetParentItem(hItem);
    HTREEITEM hGrandParent = hParent ? tree.GetParentItem(hParent) : nullptr;

    CMenu menu;
    UINT nChecked = 0;
    if (!hParent) {
        menu.LoadMenu(IDR_PROCMENU);
        HANDLE hProcess = ItemToProcess(hItem);
        nChecked = CheckedProcessCommand(hProcess ? ::GetPriorityClass(hProcess) : 0);
        if (hProcess)
            ::CloseHandle(hProcess);
    } else if (!hGrandParent) {
        menu.LoadMenu(IDR_THREMENU);
        HANDLE hThread = ItemToThread(hItem);
        nChecked = CheckedThreadCommand(hThread ? ::GetThreadPriority(hThread) : THREAD_PRIORITY_ERROR_RETURN);
        if (hThread)
            ::CloseHandle(hThread);
    } else {
        menu.LoadMenu(IDR_WINMENU);
        HWND hWnd = ItemToWindow(hItem);
        nChecked = CheckedWindowCommand(hWnd ? ::IsWindowVisible(hWnd) : FALSE);
    }
    if (nChecked)
        menu.CheckMenuItem(nChecked, MF_BYCOMMAND | MF_CHECKED);

    CMenu* pPopup = menu.GetSubMenu(0);
    // The press that picks an entry must not hide the tree popup.
    setIsMenu(1);
    // This frame is the program's main window: the chosen command comes
    // back to it.
    if (pPopup)
        pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, this);
    menu.DestroyMenu();
    return 0;
}
