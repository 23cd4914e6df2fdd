// The tip dialog: its check box writes "dont show" beside the program, OK
// only hides it, and a setting file that cannot be written is reported.
#include "tip/KorvaneCopy.h"

namespace {

using namespace tiptest;

TEST_F(TipTest, EveryClickOnTheCheckBoxWritesDontShowAndTheTipStaysAwayAfterwards)
{
    std::string dir = ProgramCopy("check");
    std::string setting = dir + "show.txt";
    StartKorvane(dir);
    HWND tip = Tip();
    ASSERT_NE(tip, nullptr);
    HWND box = GetDlgItem(tip, kDontShowId);

    Click(box);
    EXPECT_TRUE(bench::WaitFor([&] { return bench::ReadFileBytes(setting) == "dont show"; }))
        << "show.txt holds \"" << bench::ReadFileBytes(setting) << "\"";
    EXPECT_EQ(Checked(tip), BST_CHECKED);

    // Changed from outside meanwhile: clearing the box writes it again.
    ASSERT_TRUE(bench::WriteFileBytes(setting, "show\r\n"));
    Click(box);
    EXPECT_TRUE(bench::WaitFor([&] { return bench::ReadFileBytes(setting) == "dont show"; }))
        << "show.txt holds \"" << bench::ReadFileBytes(setting) << "\"";
    EXPECT_EQ(Checked(tip), BST_UNCHECKED);
    EXPECT_TRUE(IsWindowVisible(tip)) << "the check box closed the tip";

    EndKorvane();
    StartKorvane(dir);
    EXPECT_EQ(VisibleTitles(), std::vector<std::string>{});
}

TEST_F(TipTest, OkWithoutTheCheckBoxHidesTheTipAndWritesNothing)
{
    std::string dir = ProgramCopy("ok");
    StartKorvane(dir);
    HWND tip = Tip();
    ASSERT_NE(tip, nullptr);

    Click(GetDlgItem(tip, IDOK));
    ASSERT_TRUE(bench::WaitFor([&] { return !IsWindowVisible(tip); })) << "OK did not close the tip";
    EXPECT_TRUE(korvane.Running());
    EXPECT_NE(Frame(), nullptr) << "closing the tip ended the program";
    EXPECT_FALSE(FileExists(dir + "show.txt"));
}

// The setting file lives beside the program, not in the working folder.
TEST_F(TipTest, TheSettingFileIsTheOneBesideTheProgramWhateverTheWorkingFolder)
{
    std::string dir = ProgramCopy("beside");
    std::string cwd = bench::TempDir("tip-cwd");
    ASSERT_TRUE(bench::WriteFileBytes(cwd + "show.txt", "keep"));

    StartKorvane(dir, cwd);
    HWND tip = Tip();
    ASSERT_NE(tip, nullptr) << "the file of the working folder was read";
    Click(GetDlgItem(tip, kDontShowId));
    EXPECT_TRUE(bench::WaitFor([&] { return bench::ReadFileBytes(dir + "show.txt") == "dont show"; }));
    EXPECT_EQ(bench::ReadFileBytes(cwd + "show.txt"), "keep");
}

// A setting that cannot be written: the standard file-error message, with
// a stop icon, naming the file and the cause; the tip stays, box checked.
// (The bench runs as the Unix superuser, who may write read-only files; a
// folder of that name stops any writer.)
TEST_F(TipTest, ASettingFileThatCannotBeWrittenIsReportedAndTheTipStays)
{
    std::string dir = ProgramCopy("unwritable");
    std::string setting = dir + "show.txt";
    StartKorvane(dir);
    HWND tip = Tip();
    ASSERT_NE(tip, nullptr);
    ASSERT_TRUE(CreateDirectoryA(setting.c_str(), NULL));
    Click(GetDlgItem(tip, kDontShowId));

    HWND box = bench::FindMessageBox("Quillan", 10000);
    ASSERT_NE(box, nullptr) << "no message";
    EXPECT_EQ(OwnerPid(box), korvane.Pid());
    char cause[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, NULL, ERROR_ACCESS_DENIED, 0, cause,
                   sizeof cause, NULL);
    std::string expectedCause = cause;
    while (!expectedCause.empty() && strchr("\r\n ", expectedCause.back()))
        expectedCause.pop_back();
    EXPECT_EQ(bench::MessageBoxText(box), setting + "\n" + expectedCause);

    // The stop sign: a red icon in the box.
    HWND icon = NULL;
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if ((GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(c))
            icon = c;
    ASSERT_NE(icon, nullptr) << "the message has no icon";
    // The box may still be painting: look again until the icon shows.
    int red = 0;
    bench::WaitFor([&] {
        red = 0;
        for (DWORD px : bench::ScreenGrab(bench::WindowRect(icon)))
            if (((px >> 16) & 0xFF) > 180 && ((px >> 8) & 0xFF) < 80 && (px & 0xFF) < 80)
                ++red;
        return red > 20;
    }, 3000);
    EXPECT_GT(red, 20) << "the icon is not the red stop sign";

    ASSERT_TRUE(bench::PressOk(box));
    EXPECT_TRUE(IsWindowVisible(tip));
    EXPECT_EQ(Checked(tip), BST_CHECKED);
    EXPECT_TRUE(GetFileAttributesA(setting.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace
