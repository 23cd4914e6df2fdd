// Message-map dispatch: chained maps, registered messages, commands and
// notifications, and the messages of window creation.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {

// Registered at run time, after the maps below are in use.
UINT s_msgPing;
const UINT kBaseOnlyMsg = WM_APP + 1;
const UINT kCmdDerived = 40500;
const UINT kCmdBase = 40501;
const UINT kIdButton = 77;
const UINT kIdList = 78;

class CBaseWnd : public CWnd {
public:
    std::vector<std::string> log;
    bool failCreate = false;
    int postNcDestroyCalls = 0;

protected:
    LRESULT OnPing(WPARAM, LPARAM)
    {
        log.push_back("base ping");
        return 1;
    }
    LRESULT OnBaseOnly(WPARAM wParam, LPARAM)
    {
        log.push_back("base only");
        return 10 + (LRESULT)wParam;
    }
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        log.push_back("create");
        if (failCreate)
            return -1;
        return CWnd::OnCreate(lpcs);
    }
    void OnBaseCommand() { log.push_back("base command"); }
    void PostNcDestroy() override { ++postNcDestroyCalls; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
    ON_REGISTERED_MESSAGE(s_msgPing, &CBaseWnd::OnPing)
    ON_MESSAGE(kBaseOnlyMsg, &CBaseWnd::OnBaseOnly)
    ON_WM_CREATE()
    ON_COMMAND(kCmdBase, &CBaseWnd::OnBaseCommand)
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd {
protected:
    LRESULT OnPing(WPARAM, LPARAM)
    {
        log.push_back("derived ping");
        return 2;
    }
    void OnSize(UINT, int cx, int cy)
    {
        log.push_back("size " + std::to_string(cx) + "x" + std::to_string(cy));
        CWnd::OnSize(0, cx, cy);
    }
    void OnDerivedCommand() { log.push_back("derived command"); }
    void OnButtonClicked() { log.push_back("button clicked"); }
    void OnListRClick(NMHDR* pNMHDR, LRESULT* pResult)
    {
        log.push_back("rclick from " + std::to_string(pNMHDR->idFrom));
        *pResult = 33;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
    ON_REGISTERED_MESSAGE(s_msgPing, &CDerivedWnd::OnPing)
    ON_WM_SIZE()
    ON_COMMAND(kCmdDerived, &CDerivedWnd::OnDerivedCommand)
    ON_BN_CLICKED(kIdButton, &CDerivedWnd::OnButtonClicked)
    ON_NOTIFY(NM_RCLICK, kIdList, &CDerivedWnd::OnListRClick)
END_MESSAGE_MAP()

template <class T>
bool CreatePopup(T& wnd, const char* pszTitle = "Title")
{
    return wnd.CreateEx(0, nullptr, pszTitle, WS_POPUP, 10, 10, 50, 40, nullptr, nullptr);
}

class MessageMapTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        derived.DestroyWindow();
        base.DestroyWindow();
        DrainMessages();
    }
    CDerivedWnd derived;
    CBaseWnd base;
};

TEST_F(MessageMapTest, RegisteredMessageIsReadWhenItArrivesAndDerivedEntryWins)
{
    ASSERT_TRUE(CreatePopup(derived));
    ASSERT_TRUE(CreatePopup(base));
    s_msgPing = 0;
    // Before registration the entry matches nothing, not even message 0.
    EXPECT_EQ(0, derived.SendMessage(WM_NULL));
    derived.log.clear();
    base.log.clear();

    s_msgPing = ::RegisterWindowMessageA("KorvFwTest_Ping");
    ASSERT_NE(0u, s_msgPing);
    EXPECT_EQ(2, derived.SendMessage(s_msgPing));
    EXPECT_EQ(1, base.SendMessage(s_msgPing));
    EXPECT_EQ(std::vector<std::string>{"derived ping"}, derived.log);
    EXPECT_EQ(std::vector<std::string>{"base ping"}, base.log);
}

TEST_F(MessageMapTest, PostedRegisteredMessageReachesHandlerThroughTheLoop)
{
    ASSERT_TRUE(CreatePopup(derived));
    s_msgPing = ::RegisterWindowMessageA("KorvFwTest_Ping");
    derived.log.clear();
    ASSERT_TRUE(derived.PostMessage(s_msgPing));
    CWinThread loop;
    ASSERT_TRUE(loop.PumpMessage());
    EXPECT_EQ(std::vector<std::string>{"derived ping"}, derived.log);
}

TEST_F(MessageMapTest, BaseOnlyEntryIsReachedFromDerivedMap)
{
    ASSERT_TRUE(CreatePopup(derived));
    derived.log.clear();
    EXPECT_EQ(15, derived.SendMessage(kBaseOnlyMsg, 5));
    EXPECT_EQ(std::vector<std::string>{"base only"}, derived.log);
}

TEST_F(MessageMapTest, UnmappedMessagesGetDefaultProcessing)
{
    ASSERT_TRUE(CreatePopup(derived, "Seven!!"));
    derived.log.clear();
    EXPECT_EQ(7, derived.SendMessage(WM_GETTEXTLENGTH));  // the default procedure answers
    EXPECT_EQ(0, derived.SendMessage(WM_APP + 2));
    EXPECT_TRUE(derived.log.empty());
}

TEST_F(MessageMapTest, CreationMessagesReachTheObject)
{
    ASSERT_TRUE(CreatePopup(derived));
    ASSERT_GE(derived.log.size(), 2u);
    EXPECT_EQ("create", derived.log[0]);
    EXPECT_EQ("size 50x40", derived.log[1]);  // WM_SIZE of CreateWindowEx
    derived.log.clear();
    derived.MoveWindow(0, 0, 123, 45);
    EXPECT_EQ(std::vector<std::string>{"size 123x45"}, derived.log);
}

TEST_F(MessageMapTest, FailedCreateLeavesNoWindowAndTellsTheObject)
{
    derived.failCreate = true;
    EXPECT_FALSE(CreatePopup(derived));
    EXPECT_EQ(nullptr, derived.m_hWnd);
    EXPECT_EQ(1, derived.postNcDestroyCalls);
    EXPECT_EQ(std::vector<std::string>{"create"}, derived.log);
}

TEST_F(MessageMapTest, CreateWithUnknownClassFailsAndTellsTheObject)
{
    EXPECT_FALSE(derived.CreateEx(0, "NoSuchClass_KorvFw", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(nullptr, derived.m_hWnd);
    EXPECT_EQ(1, derived.postNcDestroyCalls);
}

TEST_F(MessageMapTest, CommandsReachTheirHandlers)
{
    ASSERT_TRUE(CreatePopup(derived));
    HWND hButton = ::CreateWindowExA(0, "BUTTON", "b", WS_CHILD | BS_PUSHBUTTON, 0, 0, 10, 10, derived.m_hWnd,
                                     (HMENU)(UINT_PTR)kIdButton, nullptr, nullptr);
    ASSERT_NE(nullptr, hButton);
    struct Case {
        WPARAM wParam;
        LPARAM lParam;
        std::vector<std::string> expected;
    } cases[] = {
        {MAKEWPARAM(kCmdDerived, 0), 0, {"derived command"}},                  // menu item
        {MAKEWPARAM(kCmdDerived, 1), 0, {"derived command"}},                  // accelerator
        {MAKEWPARAM(kCmdBase, 0), 0, {"base command"}},                        // from the base map
        {MAKEWPARAM(kIdButton, BN_CLICKED), (LPARAM)hButton, {"button clicked"}},
        {MAKEWPARAM(kIdButton, BN_SETFOCUS), (LPARAM)hButton, {}},             // another notification
        {MAKEWPARAM(40999, 0), 0, {}},                                          // nobody's command
    };
    for (const Case& c : cases) {
        derived.log.clear();
        derived.SendMessage(WM_COMMAND, c.wParam, c.lParam);
        EXPECT_EQ(c.expected, derived.log) << "wParam " << std::hex << c.wParam;
    }
}

TEST_F(MessageMapTest, NotificationsReachHandlerByCodeAndId)
{
    ASSERT_TRUE(CreatePopup(derived));
    struct Case {
        UINT_PTR id;
        UINT code;
        LRESULT result;
        std::vector<std::string> expected;
    } cases[] = {
        {kIdList, (UINT)NM_RCLICK, 33, {"rclick from 78"}},
        {kIdList, (UINT)NM_CLICK, 0, {}},
        {kIdList + 1, (UINT)NM_RCLICK, 0, {}},
    };
    for (const Case& c : cases) {
        derived.log.clear();
        NMHDR hdr = {derived.m_hWnd, c.id, c.code};
        EXPECT_EQ(c.result, derived.SendMessage(WM_NOTIFY, c.id, (LPARAM)&hdr));
        EXPECT_EQ(c.expected, derived.log);
    }
}

} // namespace
