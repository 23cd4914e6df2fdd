// The Save As side of the save button: replacing a file only after the user
// agrees, cancelling, and a file that cannot be made.
#include "export/ExportFixture.h"

#include <cstring>

namespace {

using namespace exporttest;

std::string SystemText(DWORD error)
{
    char text[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, NULL, error, 0, text, sizeof text, NULL);
    std::string s = text;
    while (!s.empty() && strchr("\r\n ", s.back()))
        s.pop_back();
    return s;
}

// Picking an existing file asks first: No keeps it and the dialog open,
// Yes replaces all of it.
TEST_F(ExportTest, AnExistingFileIsReplacedOnlyAfterTheUserSaysYes)
{
    Add(TVI_ROOT, "Process: 00000060 - new.exe");
    ShowPopup();
    const std::string file = dir + "old.txt";
    const std::string old(6000, 'o');
    ASSERT_TRUE(bench::WriteFileBytes(file, old));

    SaveThrough([&](HWND saveAs) {
        EnterFileName(saveAs, file);
        HWND question = WaitForOwnedBy(saveAs);
        ASSERT_NE(question, nullptr) << "no question before replacing the file";
        ASSERT_NE(GetDlgItem(question, IDNO), nullptr);
        ClickControl(question, IDNO);
        ASSERT_TRUE(bench::WaitFor([&] { return !IsWindow(question); }));
        EXPECT_TRUE(IsWindowVisible(saveAs)) << "No closed the Save As dialog";
        EXPECT_EQ(bench::ReadFileBytes(file), old);

        bench::KeyPress("Return");
        question = WaitForOwnedBy(saveAs);
        ASSERT_NE(question, nullptr) << "no question the second time";
        ClickControl(question, IDYES);
        EXPECT_TRUE(bench::WaitFor([&] { return !IsWindow(saveAs); }));
    });

    EXPECT_EQ(bench::ReadFileBytes(file), "Process: 00000060 - new.exe\r\n");
}

// Escape writes nothing. Closing the dialog with the keyboard leaves the
// menu flag up, so the next press outside the popup only clears it; the one
// after hides the popup.
TEST_F(ExportTest, CancellingWritesNothingAndTheNextPressOutsideOnlyClearsTheMenuFlag)
{
    Add(TVI_ROOT, "Process: 00000070 - kept.exe");
    ShowPopup();
    const std::string before = Expected();

    SaveThrough([&](HWND saveAs) {
        EXPECT_EQ(GetWindow(saveAs, GW_OWNER), nullptr) << "the Save As dialog has an owner";
        bench::TypeText(dir + "never");
        bench::KeyPress("Escape");
        EXPECT_TRUE(bench::WaitFor([&] { return !IsWindow(saveAs); }));
    });

    EXPECT_EQ(GetFileAttributesA((dir + "never.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA((dir + "never").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(Expected(), before);
    ExpectFirstPressOutsideOnlyClearsTheMenuFlag(700, 300);
}

// A file that cannot be made: a message that names it and the cause, and
// the tree and the popup as they were, even after the click on OK.
TEST_F(ExportTest, AFileThatCannotBeCreatedIsReportedAndNothingElseChanges)
{
    Add(Add(TVI_ROOT, "Process: 00000080 - stays.exe"), "Thread: 00000081");
    ShowPopup();
    const std::string before = Expected();
    const RECT placed = bench::WindowRect(popup().m_hWnd);

    struct {
        const char* what;
        std::string path;
        DWORD error;
    } cases[] = {
        {"missing folder", dir + "no-such-folder\\tree.txt", ERROR_PATH_NOT_FOUND},
        {"file in use", dir + "busy.txt", ERROR_SHARING_VIOLATION},
    };
    ASSERT_TRUE(bench::WriteFileBytes(dir + "busy.txt", "busy"));
    HANDLE busy = CreateFileA((dir + "busy.txt").c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(busy, INVALID_HANDLE_VALUE);

    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SaveThrough([&](HWND saveAs) {
            // A click into the field: the user's first press after the
            // button, which does not hide the popup.
            EnterFileName(saveAs, c.path, true);
            // Yes to replacing an existing file, from the keyboard: a
            // second press outside the popup would hide it.
            if (WaitForOwnedBy(saveAs, 1500))
                bench::KeyPress("alt+y");
            HWND box = bench::FindMessageBox("Quillan", 10000);
            ASSERT_NE(box, nullptr) << "no message";
            EXPECT_EQ(bench::MessageBoxText(box), c.path + "\n" + SystemText(c.error));
            // This press, too, lands outside the popup.
            ClickControl(box, IDOK);
            EXPECT_TRUE(bench::WaitFor([&] { return !IsWindow(box); }));
        });
        bench::Pump(200);
        EXPECT_EQ(Expected(), before) << "the tree changed";
        EXPECT_TRUE(popup().IsWindowVisible()) << "the popup was hidden";
        const RECT now = bench::WindowRect(popup().m_hWnd);
        EXPECT_TRUE(EqualRect(&placed, &now)) << "the popup moved";
        EXPECT_EQ(bench::HookState()->treeVis, 1);
    }
    CloseHandle(busy);
    EXPECT_EQ(bench::ReadFileBytes(dir + "busy.txt"), "busy");
}

}  // namespace
