#include "framework/Menu.h"

#include <vector>

#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CMenu, CObject)

namespace {

std::vector<CMenu*>& TemporaryMenus()
{
    static auto* list = new std::vector<CMenu*>;
    return *list;
}

} // namespace

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    if (!hMenu)
        return nullptr;
    for (CMenu* pMenu : TemporaryMenus()) {
        if (pMenu->m_hMenu == hMenu)
            return pMenu;
    }
    CMenu* pMenu = new CMenu;
    pMenu->m_hMenu = hMenu;
    TemporaryMenus().push_back(pMenu);
    return pMenu;
}

void CMenu::DeleteTempMap()
{
    for (CMenu* pMenu : TemporaryMenus()) {
        pMenu->m_hMenu = nullptr;  // a wrapper does not own its menu
        delete pMenu;
    }
    TemporaryMenus().clear();
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (!hMenu || m_hMenu)
        return FALSE;
    m_hMenu = hMenu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    m_hMenu = nullptr;
    return hMenu;
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    HMENU hMenu = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
    if (!hMenu)
        return FALSE;
    if (!Attach(hMenu)) {
        ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return FALSE;
    return ::DestroyMenu(Detach());
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    return FromHandle(::GetSubMenu(m_hMenu, nPos));
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd ? pWnd->m_hWnd : nullptr, lpRect);
}
