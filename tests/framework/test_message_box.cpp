// AfxMessageBox: the caption is the application title, the owner the main
// window, and the result the button pressed.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "fwtest_res.h"

namespace {

TEST(MessageBoxTest, CaptionIsTheAppTitleAndOwnerTheMainWindow)
{
    CWinApp app("Message Box Test");
    CWnd mainWnd;
    ASSERT_TRUE(mainWnd.CreateEx(0, nullptr, "main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    {
        MessageBoxCatcher catcher;
        EXPECT_EQ(IDOK, AfxMessageBox("Init failed: 5"));
        app.m_pMainWnd = &mainWnd;
        EXPECT_EQ(IDOK, AfxMessageBox("init failed", MB_OK));
        EXPECT_EQ(IDOK, AfxMessageBox(IDS_PROMPT));
        ASSERT_EQ(3u, catcher.boxes.size());
        EXPECT_EQ("Message Box Test", catcher.boxes[0].caption);
        EXPECT_EQ("Init failed: 5", catcher.boxes[0].text);
        EXPECT_EQ(nullptr, catcher.boxes[0].hWndOwner);
        EXPECT_EQ(mainWnd.m_hWnd, catcher.boxes[1].hWndOwner);
        EXPECT_EQ("init failed", catcher.boxes[1].text);
        EXPECT_EQ("Prompt from the string table", catcher.boxes[2].text);
    }
    app.m_pMainWnd = nullptr;
    mainWnd.DestroyWindow();
}

TEST(MessageBoxTest, WithoutApplicationTheCaptionIsTheTitleString)
{
    ASSERT_EQ(nullptr, AfxGetApp());
    MessageBoxCatcher catcher(IDNO);
    EXPECT_EQ(IDNO, AfxMessageBox("Question?", MB_YESNO));
    ASSERT_EQ(1u, catcher.boxes.size());
    EXPECT_EQ("FwTest Title", catcher.boxes[0].caption);
}

} // namespace
