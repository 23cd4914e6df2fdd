// CString formatting, string resources and the searches the program uses.
#include <string>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "fwtest_res.h"

namespace {

TEST(StringTest, FormatTable)
{
    CString s;
    s.Format("Error code: %d", 5);
    EXPECT_STREQ("Error code: 5", s);
    s.Format("%d", -1);
    EXPECT_STREQ("-1", s);
    s.Format("Process: %s - %s", "000001A4", "explorer.exe");
    EXPECT_STREQ("Process: 000001A4 - explorer.exe", s);
    s.Format("%08X", 0x1002C);
    EXPECT_STREQ("0001002C", s);
    s.Format("Window: %s \"%s\" %s", "00010020", "", "Edit");
    EXPECT_STREQ("Window: 00010020 \"\" Edit", s);
    std::string longText(5000, 'x');
    s.Format("[%s]", longText.c_str());
    EXPECT_EQ("[" + longText + "]", std::string(s));
    EXPECT_EQ(5002, s.GetLength());
    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
}

TEST(StringTest, LoadStringTable)
{
    CString s;
    EXPECT_TRUE(s.LoadString(AFX_IDS_APP_TITLE));
    EXPECT_STREQ("FwTest Title", s);
    EXPECT_TRUE(s.LoadString(IDS_LONG));
    EXPECT_EQ(304, s.GetLength());
    EXPECT_EQ("-end", std::string(s.Right(4)));
    EXPECT_FALSE(s.LoadString(65001));
    EXPECT_TRUE(s.IsEmpty());
}

TEST(StringTest, BufferAndSearches)
{
    CString path;
    char* p = path.GetBuffer(MAX_PATH);
    strcpy(p, "C:\\Program Files\\Korvane\\korvane.exe");
    path.ReleaseBuffer();
    EXPECT_EQ(36, path.GetLength());
    int nSlash = path.ReverseFind('\\');
    EXPECT_EQ(24, nSlash);
    EXPECT_STREQ("C:\\Program Files\\Korvane\\", path.Left(nSlash + 1));
    EXPECT_STREQ("korvane.exe", path.Mid(nSlash + 1));
    EXPECT_STREQ("Program", path.Mid(3, 7));
    EXPECT_EQ(2, path.Find('\\'));
    EXPECT_EQ(16, path.Find('\\', 3));
    EXPECT_EQ(17, path.Find("Korvane"));
    EXPECT_EQ(-1, path.Find('/'));
    EXPECT_EQ(-1, CString("no slash").ReverseFind('\\'));

    CString s("show");
    s += "\r\n";
    EXPECT_TRUE(s == "show\r\n");
    EXPECT_TRUE(s != "show");
    EXPECT_TRUE(CString("ab") + "c" == CString("abc"));
}

} // namespace
