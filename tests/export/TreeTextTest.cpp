// What the save button writes: the tree the program holds, one line per
// item in tree order, tab-indented by depth, CR LF after each line, in the
// file the user names in the real Save As dialog.
#include "export/ExportFixture.h"

namespace {

using namespace exporttest;

// Three levels, as the tree builder makes them.
TEST_F(ExportTest, OneProcessWithOneThreadWithOneWindowGivesThreeLines)
{
    HTREEITEM process = Add(TVI_ROOT, "Process: 000001A4 - one.exe");
    HTREEITEM thread = Add(process, "Thread: 000001A8");
    Add(thread, "Window: 00010080 \"One\" OneClass");
    ShowPopup();

    SaveAs(dir + "three.txt");

    EXPECT_EQ(bench::ReadFileBytes(dir + "three.txt"),
              "Process: 000001A4 - one.exe\r\n"
              "\tThread: 000001A8\r\n"
              "\t\tWindow: 00010080 \"One\" OneClass\r\n");
}

// Expanded and collapsed branches, a window nested in a window, a label
// with a line feed in it, a label longer than any buffer of 260, and more
// than one 4096-byte buffer of text.
TEST_F(ExportTest, TheFileHoldsEveryItemOfTheTreeInOrderWithItsDepthInTabs)
{
    HTREEITEM p1 = Add(TVI_ROOT, "Process: 00000010 - expanded.exe");
    HTREEITEM t1 = Add(p1, "Thread: 00000011");
    HTREEITEM w1 = Add(t1, "Window: 00020001 \"Main\" MainClass");
    Add(w1, "Window: 00020002 \"Child\nsecond line\" Edit");
    Add(t1, "Window: 00020003 \"\" Hidden");
    Add(p1, "Thread: 00000012");
    HTREEITEM p2 = Add(TVI_ROOT, "Process: 00000020 - collapsed.exe");
    HTREEITEM t2 = Add(p2, "Thread: 00000021");
    Add(t2, "Window: 00030001 \"" + std::string(1000, 'x') + "\" Long");
    HTREEITEM p3 = Add(TVI_ROOT, "Process: 00000030 - many.exe");
    for (int i = 0; i < 150; ++i) {
        char label[64];
        snprintf(label, sizeof label, "Thread: %08X", 0x1000 + i);
        HTREEITEM t = Add(p3, label);
        if (i % 50 == 0)
            Add(t, "Window: 00040000 \"a window\" Static");
    }
    Add(TVI_ROOT, "Process: 00000040 - last.exe");
    TreeView_Expand(tree().m_hWnd, p1, TVE_EXPAND);
    TreeView_Expand(tree().m_hWnd, t1, TVE_EXPAND);
    ASSERT_FALSE(TreeView_GetItemState(tree().m_hWnd, p2, TVIS_EXPANDED) & TVIS_EXPANDED);
    ShowPopup();
    const std::string expected = Expected();
    ASSERT_GT(expected.size(), 4096u);
    ASSERT_NE(expected.find("\"" + std::string(1000, 'x') + "\""), std::string::npos) << "the tree cut the long label";
    ASSERT_NE(expected.find("Child\r\nsecond line"), std::string::npos);

    SaveAs(dir + "all.txt");

    EXPECT_EQ(bench::ReadFileBytes(dir + "all.txt"), expected);
}

TEST_F(ExportTest, AnEmptyTreeGivesAnEmptyFile)
{
    ShowPopup();
    SaveAs(dir + "empty.txt");
    EXPECT_NE(GetFileAttributesA((dir + "empty.txt").c_str()), INVALID_FILE_ATTRIBUTES) << "no file";
    EXPECT_EQ(bench::ReadFileBytes(dir + "empty.txt"), "");
}

// ".txt" is added to a name typed without extension; a name with one keeps it.
TEST_F(ExportTest, ANameWithoutExtensionGetsTxt)
{
    Add(TVI_ROOT, "Process: 00000050 - named.exe");
    ShowPopup();
    struct {
        std::string typed, saved;
    } cases[] = {{"plain", "plain.txt"}, {"notes.log", "notes.log"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        SaveAs(dir + c.typed);
        EXPECT_EQ(bench::ReadFileBytes(dir + c.saved), "Process: 00000050 - named.exe\r\n");
        if (c.typed != c.saved) {
            EXPECT_EQ(GetFileAttributesA((dir + c.typed).c_str()), INVALID_FILE_ATTRIBUTES);
        }
    }
}

}  // namespace
