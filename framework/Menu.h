// CMenu: a menu handle. A menu loaded into a CMenu is destroyed with it;
// the submenus that GetSubMenu hands out are temporary wrappers.
#ifndef KORV_FW_MENU_H
#define KORV_FW_MENU_H

#include "framework/Wnd.h"

class CMenu : public CObject {
    DECLARE_DYNAMIC(CMenu)
public:
    HMENU m_hMenu = nullptr;

    CMenu() {}
    ~CMenu() override;

    static CMenu* FromHandle(HMENU hMenu);  // temporary wrapper
    static void DeleteTempMap();
    BOOL Attach(HMENU hMenu);
    HMENU Detach();

    BOOL LoadMenu(UINT nIDResource);
    BOOL DestroyMenu();
    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return m_hMenu; }

    CMenu* GetSubMenu(int nPos) const;
    // Returns the previous state (MF_CHECKED or MF_UNCHECKED), or -1 when
    // there is no such item.
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck) { return (UINT)::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck); }
    // Opens the menu at (x, y) for pWnd, which receives the chosen command;
    // returns when the menu closes.
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);
};

#endif
