#include "actions/MenuDriver.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
#include <thread>

#include "support/bench.h"

namespace {

const UINT kGetHMenu = 0x01E1;  // MN_GETHMENU

std::vector<HWND> VisibleMenuWindows()
{
    std::vector<HWND> out;
    for (HWND w = FindWindowExA(nullptr, nullptr, "#32768", nullptr); w; w = FindWindowExA(nullptr, w, "#32768", nullptr))
        if (IsWindowVisible(w))
            out.push_back(w);
    return out;
}

HMENU MenuOf(HWND menuWnd)
{
    return (HMENU)SendMessageA(menuWnd, kGetHMenu, 0, 0);
}

// A visible menu window other than the ones given; waits up to timeoutMs.
HWND WaitForMenuWindow(const std::vector<HWND>& others, DWORD timeoutMs)
{
    HWND found = nullptr;
    const DWORD start = GetTickCount();
    while (!found && GetTickCount() - start < timeoutMs) {
        for (HWND w : VisibleMenuWindows())
            if (std::find(others.begin(), others.end(), w) == others.end() && MenuOf(w))
                found = w;
        if (!found)
            Sleep(20);
    }
    return found;
}

void CollectChecked(HMENU menu, std::vector<UINT>& out)
{
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            CollectChecked(sub, out);
        } else if (GetMenuState(menu, i, MF_BYPOSITION) & MF_CHECKED) {
            out.push_back(GetMenuItemID(menu, i));
        }
    }
}

// Position of cmd in menu (directly), or of the submenu that holds it.
int PositionOf(HMENU menu, UINT cmd, HMENU* sub)
{
    *sub = nullptr;
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        if (HMENU s = GetSubMenu(menu, i)) {
            for (int j = 0, m = GetMenuItemCount(s); j < m; ++j)
                if (GetMenuItemID(s, j) == cmd) {
                    *sub = s;
                    return i;
                }
        } else if (GetMenuItemID(menu, i) == cmd) {
            return i;
        }
    }
    return -1;
}

void ClickEntry(HWND menuWnd, HMENU menu, int pos)
{
    RECT r = {};
    GetMenuItemRect(menuWnd, menu, pos, &r);
    bench::MouseClick((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

}  // namespace

POINT ItemPoint(HWND tree, HTREEITEM item)
{
    SendMessageA(tree, TVM_ENSUREVISIBLE, 0, (LPARAM)item);
    RECT r = {};
    *(HTREEITEM*)&r = item;
    SendMessageA(tree, TVM_GETITEMRECT, TRUE, (LPARAM)&r);
    POINT p = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(tree, &p);
    return p;
}

namespace {

// Right-clicks the item and, once its menu shows, reads the menu and hands
// it to `user` (on the driver thread); then waits until the menu is gone,
// or closes it when the user's steps did not.
MenuSeen RightClickAnd(CMainFrame* frame, HTREEITEM item, bool expectBox,
                       const std::function<void(HWND root, HMENU menu)>& user)
{
    MenuSeen seen;
    HWND tree = frame->m_dlgTree.m_tree.m_hWnd;
    HWND popup = frame->m_dlgTree.m_hWnd;
    seen.click = ItemPoint(tree, item);
    std::atomic<bool> done(false);

    // The test's thread only pumps its messages meanwhile: the tree's
    // right-click handling and the menu's loop run there.
    std::thread driver([&] {
        bench::MouseClick(seen.click.x, seen.click.y, 3);
        HWND root = WaitForMenuWindow({}, 5000);
        if (root) {
            seen.opened = true;
            GetWindowRect(root, &seen.menuRect);
            HMENU menu = MenuOf(root);
            char text[128];
            for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
                text[0] = 0;
                GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
                seen.entries.push_back(text);
            }
            CollectChecked(menu, seen.checked);
            seen.selected = (HTREEITEM)SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
            seen.popupVisible = IsWindowVisible(popup) != FALSE;

            user(root, menu);
            const DWORD start = GetTickCount();
            while (!VisibleMenuWindows().empty() && GetTickCount() - start < 5000)
                Sleep(20);
            seen.closed = VisibleMenuWindows().empty();
            if (!seen.closed)  // leave no menu behind
                PostMessageA(frame->m_hWnd, WM_CANCELMODE, 0, 0);
            if (expectBox) {
                HWND box = bench::FindMessageBox("Quillan", 5000);
                if (box) {
                    seen.box = bench::MessageBoxText(box);
                    bench::PressOk(box);
                }
            }
        }
        done = true;
    });

    bench::WaitFor([&] { return done.load(); }, 30000);
    driver.join();
    bench::Pump(100);  // the command, posted as the menu closed, has run
    seen.popupVisibleAfter = IsWindowVisible(popup) != FALSE;
    return seen;
}

}  // namespace

MenuSeen RightClickAndChoose(CMainFrame* frame, HTREEITEM item, UINT cmd, bool expectBox)
{
    return RightClickAnd(frame, item, expectBox, [cmd](HWND root, HMENU menu) {
        HMENU sub = nullptr;
        int pos = cmd ? PositionOf(menu, cmd, &sub) : -1;
        if (pos < 0) {
            // No choice: a click beside the menu and the popup closes it.
            bench::MouseClick(1000, 300);
        } else if (!sub) {
            ClickEntry(root, menu, pos);
        } else {
            // Resting on the entry opens its submenu, as a user does
            // (a click there would be the first press after the menu
            // opened, which the hook library spends on clearing its
            // menu flag; the press on the chosen entry would then hide
            // the tree popup).
            RECT r = {};
            GetMenuItemRect(root, menu, pos, &r);
            bench::MouseMove((r.left + r.right) / 2, (r.top + r.bottom) / 2);
            HWND subWnd = WaitForMenuWindow({root}, 5000);
            if (subWnd) {
                for (int j = 0, m = GetMenuItemCount(sub); j < m; ++j)
                    if (GetMenuItemID(sub, j) == cmd)
                        ClickEntry(subWnd, sub, j);
            }
        }
    });
}

MenuSeen RightClickAndPress(CMainFrame* frame, HTREEITEM item, const std::string& keys)
{
    return RightClickAnd(frame, item, false, [&keys](HWND, HMENU) { bench::KeyPress(keys); });
}

std::string ClipboardText()
{
    std::string out = "(none)";
    if (!OpenClipboard(nullptr))
        return out;
    if (HANDLE h = GetClipboardData(CF_TEXT)) {
        if (const char* p = (const char*)GlobalLock(h)) {
            out = p;
            GlobalUnlock(h);
        }
    }
    CloseClipboard();
    return out;
}

bool SetClipboardText(const std::string& text)
{
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(GlobalLock(h), text.c_str(), text.size() + 1);
    GlobalUnlock(h);
    bool ok = SetClipboardData(CF_TEXT, h) != nullptr;
    CloseClipboard();
    return ok;
}
