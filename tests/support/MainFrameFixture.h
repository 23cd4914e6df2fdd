// A real CMainFrame in the test's own process: created as the program
// creates it (hooks installed on the bench's Start button, popup and image
// list made), hidden, and destroyed at the end of the test. The test's
// message pumping (bench::WaitFor, bench::Pump) runs its handlers, so a real
// mouse click on the Start button rebuilds the tree in this process, where
// the test can look at the tree and the record lists directly.
//
// Link: LIBS korvcore korvres. Do not let a message box come up on the test
// thread (it would wait for a click): start Korvane.exe as a child process
// for those cases, or press OK from a second thread.
#ifndef KORV_TESTS_MAINFRAMEFIXTURE_H
#define KORV_TESTS_MAINFRAMEFIXTURE_H

#include <gtest/gtest.h>

#include "frame/MainFrm.h"
#include "hooklib/korvhook.h"
#include "res/resource.h"
#include "support/bench.h"

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(bench::StartButton(), nullptr) << "no taskbar on the bench desktop";
        LONG holder = bench::HookState()->notifyWnd;
        ASSERT_TRUE(holder == 0 || !IsWindow((HWND)(INT_PTR)holder)) << "hooks of another program are installed";
        frame = new CMainFrame;
        // On failure the frame deletes itself.
        if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, nullptr, nullptr)) {
            frame = nullptr;
            FAIL() << "the main frame could not be created";
        }
        frame->ShowWindow(SW_HIDE);
        ASSERT_EQ(bench::HookState()->notifyWnd, (LONG)(INT_PTR)frame->m_hWnd);
    }
    void TearDown() override
    {
        if (frame)
            frame->DestroyWindow();  // deletes the frame; its teardown removes the hooks
        frame = nullptr;
        setTreeVis(0);
        setIsClip(0);
        setIsMenu(0);
        bench::MouseMove(600, 300);
    }
    CMenuDlg& popup() { return frame->m_dlgTree; }

    // With the menu flag up, a press at (x, y), outside the popup, only
    // clears the flag; the next one there puts the popup away.
    void ExpectFirstPressOutsideOnlyClearsTheMenuFlag(int x, int y)
    {
        EXPECT_EQ(bench::HookState()->isMenu, 1);
        bench::MouseClick(x, y);
        bench::Pump(200);
        EXPECT_TRUE(popup().IsWindowVisible()) << "the first press outside hid the popup";
        EXPECT_EQ(bench::HookState()->isMenu, 0);
        bench::MouseClick(x, y);
        EXPECT_TRUE(bench::WaitFor([&] { return !popup().IsWindowVisible(); })) << "the second press did not hide it";
    }
    CMyTreeCtrl& tree() { return frame->m_dlgTree.m_tree; }

    CMainFrame* frame = nullptr;
};

#endif
