// A real main frame (MainFrameTest) whose popup the test fills and shows
// itself, and a user who saves its tree through the Save As dialog.
#ifndef KORV_TESTS_EXPORT_EXPORTFIXTURE_H
#define KORV_TESTS_EXPORT_EXPORTFIXTURE_H

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "export/SaveDialogDriver.h"
#include "support/MainFrameFixture.h"

namespace exporttest {

class ExportTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        if (HasFatalFailure())
            return;
        dir = bench::TempDir("export");
    }

    HTREEITEM Add(HTREEITEM parent, const std::string& label)
    {
        TVINSERTSTRUCTA tvi = {};
        tvi.hParent = parent;
        tvi.hInsertAfter = TVI_LAST;
        tvi.item.mask = TVIF_TEXT;
        tvi.item.pszText = const_cast<char*>(label.c_str());
        return tree().InsertItem(&tvi);
    }

    // The popup shown away from the screen's middle, where the dialogs open,
    // as its placement would show it: topmost, its rectangle the tree zone.
    void ShowPopup()
    {
        popup().SetWindowPos(&CWnd::wndTopMost, 20, 120, 260, 400, SWP_SHOWWINDOW | SWP_NOACTIVATE);
        RECT r = bench::WindowRect(popup().m_hWnd);
        setMyRect2(r.left, r.top, r.right - r.left, r.bottom - r.top);
        setTreeVis(1);
    }

    // What the file must hold: the items in the tree's own order, parents
    // before children, read straight from the tree control.
    std::string Expected() { return Lines(TreeView_GetRoot(tree().m_hWnd), 0); }
    std::string Lines(HTREEITEM item, int depth)
    {
        std::string out;
        for (; item; item = TreeView_GetNextSibling(tree().m_hWnd, item)) {
            std::vector<char> buf(8192);
            TVITEMA tvi = {};
            tvi.mask = TVIF_TEXT;
            tvi.hItem = item;
            tvi.pszText = buf.data();
            tvi.cchTextMax = (int)buf.size();
            SendMessageA(tree().m_hWnd, TVM_GETITEMA, 0, (LPARAM)&tvi);
            out += std::string(depth, '\t');
            for (const char* p = tvi.pszText; *p; ++p)
                out += *p == '\n' ? std::string("\r\n") : std::string(1, *p);
            out += "\r\n";
            out += Lines(TreeView_GetChild(tree().m_hWnd, item), depth + 1);
        }
        return out;
    }

    // Clicks the save button with the real mouse and lets `user` handle the
    // Save As dialog (and whatever follows) from a second thread, while the
    // test thread runs the button's handler.
    void SaveThrough(const std::function<void(HWND saveAs)>& user)
    {
        std::atomic<bool> done{false};
        HWND keep = popup().m_hWnd;
        std::thread driver([&] {
            HWND saveAs = WaitForSaveAs();
            if (saveAs)
                user(saveAs);
            else
                ADD_FAILURE() << "no Save As dialog";
            CloseLeftovers(keep);
            done = true;
        });
        RECT r = bench::WindowRect(popup().m_btnSave.m_hWnd);
        bench::MouseClick((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        bench::WaitFor([&] { return done.load(); }, 60000);
        driver.join();
    }

    void SaveAs(const std::string& name)
    {
        SaveThrough([&](HWND saveAs) {
            EnterFileName(saveAs, name);
            bench::WaitFor([&] { return !IsWindow(saveAs); });
        });
    }

    std::string dir;
};

}  // namespace exporttest

#endif
