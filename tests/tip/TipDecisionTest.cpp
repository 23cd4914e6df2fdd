// The start-up tip as a user meets it, for each thing "show.txt" beside the
// program may hold: Korvane.exe started, and its visible windows looked at
// once its start-up is over.
#include "tip/KorvaneCopy.h"

namespace {

using namespace tiptest;

// --- what "show.txt" holds decides ---------------------------------------

enum class Setting { Missing, File, Folder, Locked };

struct TipCase {
    const char* name;
    Setting setting;
    std::string content;
    bool tip;
};

std::ostream& operator<<(std::ostream& os, const TipCase& c) { return os << c.name; }

class TipDecision : public TipTest, public ::testing::WithParamInterface<TipCase> {};

TEST_P(TipDecision, ShowsTheTipOnlyForAFirstLineOfExactlyShow)
{
    const TipCase& c = GetParam();
    std::string dir = ProgramCopy(c.name);
    std::string setting = dir + "show.txt";
    HANDLE lock = INVALID_HANDLE_VALUE;
    switch (c.setting) {
    case Setting::Missing:
        break;
    case Setting::File:
        ASSERT_TRUE(bench::WriteFileBytes(setting, c.content));
        break;
    case Setting::Folder:
        ASSERT_TRUE(CreateDirectoryA(setting.c_str(), NULL));
        break;
    case Setting::Locked:
        ASSERT_TRUE(bench::WriteFileBytes(setting, c.content));
        lock = CreateFileA(setting.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
        ASSERT_NE(lock, INVALID_HANDLE_VALUE);
        break;
    }

    StartKorvane(dir);
    if (lock != INVALID_HANDLE_VALUE)
        CloseHandle(lock);

    if (c.tip) {
        HWND tip = Tip();
        ASSERT_NE(tip, nullptr) << "no tip";
        EXPECT_EQ(VisibleTitles(), std::vector<std::string>{"TIP"});
        EXPECT_EQ(GetParent(tip), nullptr) << "the tip has an owner";
        // The picture control takes the size of the tip picture once it is set.
        RECT pic = bench::WindowRect(GetDlgItem(tip, kPictureId));
        EXPECT_EQ(pic.right - pic.left, 330);
        EXPECT_EQ(pic.bottom - pic.top, 170);
        EXPECT_EQ(Checked(tip), BST_UNCHECKED);
    } else {
        // Neither a tip nor any message.
        EXPECT_EQ(VisibleTitles(), std::vector<std::string>{});
    }
    // Reading never changes the setting.
    if (c.setting == Setting::File || c.setting == Setting::Locked) {
        EXPECT_EQ(bench::ReadFileBytes(setting), c.content);
    }
    if (c.setting == Setting::Missing) {
        EXPECT_FALSE(FileExists(setting)) << "start-up wrote show.txt";
    }
}

const TipCase kTipCases[] = {
    {"missing", Setting::Missing, "", true},
    {"show", Setting::File, "show", true},
    {"show_LF", Setting::File, "show\n", true},
    {"show_CRLF", Setting::File, "show\r\n", true},
    {"show_then_more", Setting::File, "show\nmore", true},
    {"Show", Setting::File, "Show", false},
    {"blank_show", Setting::File, " show", false},
    {"show_blank", Setting::File, "show ", false},
    {"empty", Setting::File, "", false},
    {"dont_show", Setting::File, "dont show", false},
    {"show_on_line_two", Setting::File, "x\nshow", false},
    {"show_CR_only", Setting::File, "show\r", false},
    {"folder", Setting::Folder, "", false},
    {"locked", Setting::Locked, "show", false},
};

INSTANTIATE_TEST_SUITE_P(ShowTxt, TipDecision, ::testing::ValuesIn(kTipCases),
                         [](const ::testing::TestParamInfo<TipCase>& info) { return std::string(info.param.name); });

}  // namespace
