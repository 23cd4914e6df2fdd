// The popup's help button: its menu under the button, the contact dialog
// and the donation page; and the About box of the application.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

#include "help/ContactDlg.h"
#include "support/MainFrameFixture.h"

namespace {

std::string Text(HWND w)
{
    char text[1024] = {};
    GetWindowTextA(w, text, sizeof text);
    return text;
}

DWORD OwnerPid(HWND w)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    return pid;
}

// A visible top-level window of this process with this class (and title,
// when one is given); waits up to timeoutMs.
HWND WaitForOurWindow(const char* cls, const char* title = nullptr, DWORD timeoutMs = 5000)
{
    struct Search {
        const char* cls;
        const char* title;
        HWND found;
    } s{cls, title, NULL};
    bench::WaitFor([&] {
        EnumWindows(
            [](HWND w, LPARAM lp) -> BOOL {
                auto* s = reinterpret_cast<Search*>(lp);
                char c[64] = {};
                GetClassNameA(w, c, sizeof c);
                if (OwnerPid(w) == GetCurrentProcessId() && IsWindowVisible(w) && strcmp(c, s->cls) == 0 &&
                    (!s->title || Text(w) == s->title))
                    s->found = w;
                return s->found == NULL;
            },
            reinterpret_cast<LPARAM>(&s));
        return s.found != NULL;
    }, timeoutMs);
    return s.found;
}

// The window that has the keyboard focus on w's thread.
HWND FocusOn(HWND w)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(w, NULL), &info);
    return info.hwndFocus;
}

std::string ClipboardText()
{
    std::string text;
    if (OpenClipboard(NULL)) {
        if (HANDLE h = GetClipboardData(CF_TEXT)) {
            if (const char* p = static_cast<const char*>(GlobalLock(h))) {
                text = p;
                GlobalUnlock(h);
            }
        }
        CloseClipboard();
    }
    return text;
}

class HelpTest : public MainFrameTest {
protected:
    // The popup shown as its placement would show it: topmost, its
    // rectangle the tree zone.
    void ShowPopup()
    {
        popup().SetWindowPos(&CWnd::wndTopMost, 20, 120, 260, 400, SWP_SHOWWINDOW | SWP_NOACTIVATE);
        RECT r = bench::WindowRect(popup().m_hWnd);
        setMyRect2(r.left, r.top, r.right - r.left, r.bottom - r.top);
        setTreeVis(1);
    }

    // Clicks the help button with the real mouse and lets `user` work the
    // menu (and what follows) from a second thread: the menu and the
    // contact dialog run modally on the test thread.
    void WithHelpMenu(const std::function<void(HWND menuWnd, HMENU menu)>& user)
    {
        std::atomic<bool> done{false};
        HWND keep = popup().m_hWnd;
        HWND frameWnd = frame->m_hWnd;
        std::thread driver([&] {
            HWND menuWnd = WaitForOurWindow("#32768");
            if (menuWnd)
                user(menuWnd, (HMENU)SendMessageA(menuWnd, MN_GETHMENU, 0, 0));
            else
                ADD_FAILURE() << "no menu";
            // After a failed step: close what is still open.
            if (WaitForOurWindow("#32768", nullptr, 0))
                PostMessageA(frameWnd, WM_CANCELMODE, 0, 0);
            bench::WaitFor([&] {
                HWND left = NULL;
                for (HWND w : bench::VisibleWindowsOf(GetCurrentProcessId()))
                    if (w != keep && Text(w) == "Contact Developer")
                        left = w;
                if (left)
                    PostMessageA(left, WM_COMMAND, IDOK, 0);
                return left == NULL;
            });
            done = true;
        });
        RECT r = bench::WindowRect(popup().m_btnHelp.m_hWnd);
        bench::MouseClick((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        bench::WaitFor([&] { return done.load(); }, 60000);
        driver.join();
    }

    // A real click on menu entry `index`, as far right as the entry goes:
    // outside the popup.
    void ClickEntry(HMENU menu, int index)
    {
        RECT item = {};
        ASSERT_TRUE(GetMenuItemRect(NULL, menu, index, &item));
        POINT at = {item.right - 10, (item.top + item.bottom) / 2};
        RECT placed = bench::WindowRect(popup().m_hWnd);
        ASSERT_FALSE(PtInRect(&placed, at)) << "the entry lies on the popup: the test would prove nothing";
        bench::MouseClick(at.x, at.y);
    }
};

TEST_F(HelpTest, TheMenuHangsUnderTheHelpButtonWithItsTwoEntries)
{
    ShowPopup();
    const RECT help = bench::WindowRect(popup().m_btnHelp.m_hWnd);

    WithHelpMenu([&](HWND menuWnd, HMENU menu) {
        RECT placed = bench::WindowRect(menuWnd);
        EXPECT_EQ(placed.left, help.left);
        EXPECT_EQ(placed.top, help.bottom);
        EXPECT_EQ(bench::HookState()->isMenu, 1) << "the menu opened without the menu flag";

        std::vector<std::string> entries;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            char text[256] = {};
            GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
            entries.push_back(text);
            EXPECT_EQ(GetMenuState(menu, i, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED), 0u) << text;
        }
        EXPECT_EQ(entries, (std::vector<std::string>{"Click here to contact the developer Jorrit Vanmaele",
                                                     "Make a donation"}));
        bench::KeyPress("Escape");
    });
    EXPECT_TRUE(popup().IsWindowVisible());
}

// The contact line, the same each time in a fresh dialog, can be selected
// and copied but not changed. The click that picks the entry leaves the
// popup open.
TEST_F(HelpTest, TheContactEntryShowsTheSameReadOnlyLineEachTime)
{
    ShowPopup();
    std::vector<HWND> dialogs;
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "first time" : "second time");
        WithHelpMenu([&](HWND, HMENU menu) {
            ClickEntry(menu, 0);
            HWND contact = WaitForOurWindow("#32770", "Contact Developer");
            ASSERT_NE(contact, nullptr) << "no contact dialog";
            dialogs.push_back(contact);
            EXPECT_TRUE(popup().IsWindowVisible()) << "picking the entry hid the popup";
            EXPECT_EQ(bench::HookState()->treeVis, 1);

            HWND edit = GetDlgItem(contact, 1020);
            ASSERT_NE(edit, nullptr);
            EXPECT_EQ(Text(edit), kContactLine);
            EXPECT_NE(Text(edit).find('@'), std::string::npos) << "no e-mail address";
            EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & ES_READONLY);

            // Into the field (which selects it all), copy, then try to change it.
            OpenClipboard(NULL);
            EmptyClipboard();
            CloseClipboard();
            bench::KeyPress("Tab");
            ASSERT_TRUE(bench::WaitFor([&] { return FocusOn(contact) == edit; })) << "Tab did not reach the line";
            bench::KeyPress("ctrl+c");
            EXPECT_TRUE(bench::WaitFor([&] { return ClipboardText() == kContactLine; }))
                << "the clipboard holds \"" << ClipboardText() << "\"";
            bench::TypeText("changed");
            bench::KeyPress("BackSpace Delete");
            EXPECT_EQ(Text(edit), kContactLine);

            bench::KeyPress("Return");
            EXPECT_TRUE(bench::WaitFor([&] { return !IsWindow(contact); })) << "OK did not close it";
        });
    }
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_NE(dialogs[0], dialogs[1]) << "the second time reused the first window";
}

// The shell's "open" of .htm pages, pointed at openprobe.exe for the test,
// and put back afterwards.
class PageHandler {
public:
    explicit PageHandler(const std::string& record)
    {
        HKEY key = NULL;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, ".htm", 0, KEY_READ, &key) == ERROR_SUCCESS) {
            char value[256] = {};
            DWORD size = sizeof value;
            if (RegQueryValueExA(key, NULL, NULL, NULL, (BYTE*)value, &size) == ERROR_SUCCESS) {
                hadClass_ = true;
                oldClass_ = value;
            }
            RegCloseKey(key);
        }
        std::string command = "\"" + bench::ExeDir() + "openprobe.exe\" \"" + record + "\" \"%1\"";
        ok_ = Set(".htm", kClass) && Set(std::string(kClass) + "\\shell\\open\\command", command.c_str());
    }
    ~PageHandler()
    {
        if (hadClass_)
            Set(".htm", oldClass_.c_str());
        RegDeleteTreeA(HKEY_CLASSES_ROOT, kClass);
    }
    bool ok() const { return ok_; }

private:
    static bool Set(const std::string& path, const char* value)
    {
        HKEY key = NULL;
        if (RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, NULL, 0, KEY_WRITE, NULL, &key, NULL) != ERROR_SUCCESS)
            return false;
        LONG r = RegSetValueExA(key, NULL, 0, REG_SZ, (const BYTE*)value, (DWORD)strlen(value) + 1);
        RegCloseKey(key);
        return r == ERROR_SUCCESS;
    }
    static constexpr const char* kClass = "KorvaneTest.DonatePage";
    bool ok_ = false;
    bool hadClass_ = false;
    std::string oldClass_;
};

// The page is looked for beside the program, not in the working folder.
TEST_F(HelpTest, TheDonationEntryOpensThePageBesideTheProgram)
{
    const std::string page = bench::ExeDir() + "donate.htm";
    ASSERT_NE(GetFileAttributesA(page.c_str()), INVALID_FILE_ATTRIBUTES) << "donate.htm does not ship beside the program";
    const std::string record = bench::TempDir("help-opened") + "opened.txt";
    PageHandler handler(record);
    ASSERT_TRUE(handler.ok());

    char oldCwd[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, oldCwd);
    const std::string cwd = bench::TempDir("help-cwd");
    ASSERT_TRUE(bench::WriteFileBytes(cwd + "donate.htm", "<p>not this one</p>"));
    ASSERT_TRUE(SetCurrentDirectoryA(cwd.c_str()));

    ShowPopup();
    WithHelpMenu([&](HWND, HMENU menu) { ClickEntry(menu, 1); });
    EXPECT_TRUE(bench::WaitFor([&] { return !bench::ReadFileBytes(record).empty(); }, 15000)) << "no page was opened";
    EXPECT_EQ(bench::ReadFileBytes(record), page + "\nshow=" + std::to_string(SW_SHOWNORMAL) + "\n");
    EXPECT_TRUE(popup().IsWindowVisible()) << "picking the entry hid the popup";
    SetCurrentDirectoryA(oldCwd);
}

// --- the About box -------------------------------------------------------

// Nothing in the program issues the About command; the application answers
// it when it arrives at the main window.
TEST(AboutBox, TheAboutCommandShowsTheAboutBox)
{
    HWND held = (HWND)(INT_PTR)bench::HookState()->notifyWnd;
    ASSERT_TRUE(!held || !IsWindow(held)) << "hooks of another program are installed";
    bench::ChildProcess korvane;
    ASSERT_TRUE(korvane.Start("Korvane.exe"));
    HWND frameWnd = NULL;
    ASSERT_TRUE(bench::WaitFor([&] {
        frameWnd = (HWND)(INT_PTR)bench::HookState()->notifyWnd;
        return frameWnd && OwnerPid(frameWnd) == korvane.Pid();
    }, 15000));

    PostMessageA(frameWnd, WM_COMMAND, 57664 /* ID_APP_ABOUT */, 0);
    HWND about = bench::FindMessageBox("About Quillan", 10000);
    ASSERT_NE(about, nullptr) << "no About box";
    EXPECT_EQ(OwnerPid(about), korvane.Pid());
    HWND icon = NULL;
    std::vector<std::string> texts;
    for (HWND c = GetWindow(about, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char cls[64] = {};
        GetClassNameA(c, cls, sizeof cls);
        if (_stricmp(cls, "Static") != 0)
            continue;
        if ((GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            icon = c;
        else
            texts.push_back(Text(c));
    }
    EXPECT_EQ(texts, std::vector<std::string>{"Quillan Version 1.0"});
    ASSERT_NE(icon, nullptr);
    EXPECT_NE(SendMessageA(icon, STM_GETICON, 0, 0), 0) << "the About box shows no icon";
    ASSERT_TRUE(bench::PressOk(about));
    EXPECT_TRUE(korvane.Running());

    PostMessageA(frameWnd, WM_CLOSE, 0, 0);
    if (!korvane.WaitExit(5000))
        korvane.Kill();
}

}  // namespace
