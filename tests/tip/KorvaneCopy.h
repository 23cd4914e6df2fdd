// A copy of Korvane.exe started from a folder of its own, so that the
// tip setting file "show.txt" beside it is the test's to choose. The copies
// load the very korvhook.dll the test maps, found through the PATH, so that
// they share the hook library's words with the test and with every other
// program: the test reads there which window holds the hooks.
#ifndef KORV_TESTS_TIP_KORVANECOPY_H
#define KORV_TESTS_TIP_KORVANECOPY_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/bench.h"

namespace tiptest {

const int kDontShowId = 1019;  // the check box "Don't show this comment again"
const int kPictureId = 1018;

inline DWORD OwnerPid(HWND w)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    return pid;
}

inline std::string Title(HWND w)
{
    char text[256] = {};
    GetWindowTextA(w, text, sizeof text);
    return text;
}

inline bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A real click in the middle of a control.
inline void Click(HWND w)
{
    RECT r = bench::WindowRect(w);
    bench::MouseClick((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// The test maps the hook library only to read its words; it installs
// nothing.
class TipTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_NE(LoadLibraryA("korvhook.dll"), nullptr);
        char path[32767] = {};
        GetEnvironmentVariableA("PATH", path, sizeof path);
        SetEnvironmentVariableA("PATH", (bench::ExeDir() + ";" + path).c_str());
    }

    void SetUp() override
    {
        ASSERT_NE(bench::HookState(), nullptr);
        ASSERT_TRUE(HooksFree()) << "hooks of another program are installed";
    }
    void TearDown() override
    {
        EndKorvane();
        bench::MouseMove(600, 300);
    }

    // A fresh folder holding a copy of Korvane.exe.
    std::string ProgramCopy(const std::string& name)
    {
        std::string dir = bench::TempDir("tip-" + name);
        EXPECT_TRUE(CopyFileA((bench::ExeDir() + "Korvane.exe").c_str(), (dir + "Korvane.exe").c_str(), FALSE));
        return dir;
    }

    // Starts the copy and returns once its start-up has ended: the hooks are
    // installed, the priority class raised (the step before the tip), and
    // the main window answers a message, which it does only from the
    // message loop, after the tip decision.
    void StartKorvane(const std::string& dir, const std::string& cwd = "")
    {
        ASSERT_TRUE(korvane.Start(dir + "Korvane.exe", "", cwd));
        ASSERT_TRUE(bench::WaitFor([&] { return Frame() != NULL; }, 15000)) << "Korvane did not install its hooks";
        ASSERT_TRUE(bench::WaitFor([&] { return GetPriorityClass(korvane.Handle()) == HIGH_PRIORITY_CLASS; }, 10000));
        DWORD_PTR result = 0;
        ASSERT_NE(SendMessageTimeoutA(Frame(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result), 0)
            << "Korvane's message loop does not run";
    }

    void EndKorvane()
    {
        if (korvane.Running()) {
            if (HWND frame = Frame())
                PostMessageA(frame, WM_CLOSE, 0, 0);
            if (!korvane.WaitExit(5000))
                korvane.Kill();
        }
        bench::WaitFor(HooksFree, 3000);
    }

    // No program holds the hooks: none recorded, or one that ended without
    // removing them (the system removed them with it).
    static bool HooksFree()
    {
        HWND w = (HWND)(INT_PTR)bench::HookState()->notifyWnd;
        return !w || !IsWindow(w);
    }

    // Korvane's main window, once it holds the hooks.
    HWND Frame()
    {
        HWND w = (HWND)(INT_PTR)bench::HookState()->notifyWnd;
        return w && korvane.Running() && OwnerPid(w) == korvane.Pid() ? w : NULL;
    }

    // Korvane's visible top-level window with this title, waiting up to
    // timeoutMs; or null.
    HWND VisibleTitled(const std::string& title, DWORD timeoutMs = 5000)
    {
        HWND found = NULL;
        bench::WaitFor([&] {
            for (HWND w : bench::VisibleWindowsOf(korvane.Pid()))
                if (Title(w) == title)
                    found = w;
            return found != NULL;
        }, timeoutMs);
        return found;
    }
    // Korvane's visible "TIP" window, or null.
    HWND Tip() { return VisibleTitled("TIP", 0); }

    std::vector<std::string> VisibleTitles()
    {
        std::vector<std::string> titles;
        for (HWND w : bench::VisibleWindowsOf(korvane.Pid()))
            titles.push_back(Title(w));
        return titles;
    }

    int Checked(HWND tip) { return (int)SendMessageA(GetDlgItem(tip, kDontShowId), BM_GETCHECK, 0, 0); }

    bench::ChildProcess korvane;
};

}  // namespace tiptest

#endif
