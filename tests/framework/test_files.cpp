// Files as the program writes and reads them: text-mode translation, line
// reading, the archive's buffering, and failures with their report.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "support/bench.h"

namespace {

TEST(StdioFileTest, TextModeStoresEveryLineFeedAsCrLf)
{
    struct Case {
        UINT typeFlag;
        std::vector<std::string> writes;
        std::string bytes;
    } cases[] = {
        {0, {"a\nb\n"}, "a\r\nb\r\n"},
        {CFile::typeText, {"dont show"}, "dont show"},
        {CFile::typeText, {"\tThread\n", "\n"}, "\tThread\r\n\r\n"},
        {CFile::typeText, {"x\r\n"}, "x\r\r\n"},  // every line feed, even after a CR
        {CFile::typeBinary, {"a\nb\n"}, "a\nb\n"},
    };
    for (const Case& c : cases) {
        std::string path = TempFilePath("text.txt");
        CStdioFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite | c.typeFlag));
        for (const std::string& w : c.writes)
            EXPECT_TRUE(file.WriteString(w.c_str()));
        EXPECT_TRUE(file.Close());
        EXPECT_EQ(c.bytes, bench::ReadFileBytes(path));
        ::DeleteFileA(path.c_str());
    }
}

TEST(StdioFileTest, ReadStringReturnsEachLineWithoutItsEnd)
{
    std::string longLine(1000, 'q');
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"show\r\n", {"show"}},
        {"show\n", {"show"}},
        {"show", {"show"}},
        {"", {}},
        {"\r\n", {""}},
        {"show\r\nmore\r\n", {"show", "more"}},
        {"first\n\nthird", {"first", "", "third"}},
        {"show\r", {"show\r"}},  // a CR without a line feed stays
        {"a\rb\n", {"a\rb"}},
        {longLine + "\r\nx", {longLine, "x"}},
    };
    for (const Case& c : cases) {
        std::string path = TempFilePath("lines.txt");
        bench::WriteFileBytes(path, c.bytes);
        CStdioFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead | CFile::typeText));
        std::vector<std::string> lines;
        CString line;
        while (file.ReadString(line))
            lines.push_back(std::string(line));
        EXPECT_TRUE(line.IsEmpty());
        EXPECT_EQ(c.lines, lines) << "file bytes: " << c.bytes.substr(0, 20);
        file.Close();
        ::DeleteFileA(path.c_str());
    }
}

TEST(FileTest, CreateTruncatesAndNoTruncateKeeps)
{
    std::string path = TempFilePath("trunc.txt");
    bench::WriteFileBytes(path, "old content");
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite));
    EXPECT_EQ(11u, file.GetLength());
    file.Close();
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
    EXPECT_TRUE(file.Write("new", 3));
    file.Close();
    EXPECT_EQ("new", bench::ReadFileBytes(path));
    ::DeleteFileA(path.c_str());
}

TEST(FileTest, OpenFailureNamesFileAndCause)
{
    std::string missingDir = TempFilePath("nodir") + "\\show.txt";
    std::string missingFile = TempFilePath("nofile.txt");
    struct Case {
        std::string path;
        UINT flags;
        LONG osError;
        int cause;
    } cases[] = {
        {missingDir, CFile::modeCreate | CFile::modeWrite, ERROR_PATH_NOT_FOUND, CFileException::badPath},
        {missingFile, CFile::modeRead, ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
    };
    for (const Case& c : cases) {
        CFile file;
        CFileException e;
        EXPECT_FALSE(file.Open(c.path.c_str(), c.flags, &e));
        EXPECT_FALSE(file.IsOpen());
        EXPECT_EQ(c.osError, e.m_lOsError);
        EXPECT_EQ(c.cause, e.m_cause);
        EXPECT_EQ(c.path, std::string(e.m_strFileName));
    }
}

TEST(FileTest, FailedWriteIsReturnedRememberedAndReported)
{
    std::string path = TempFilePath("readonly.txt");
    bench::WriteFileBytes(path, "abc");
    CStdioFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead | CFile::typeText));
    EXPECT_FALSE(file.WriteString("dont show"));
    EXPECT_TRUE(file.HasFailed());
    CFileException e;
    EXPECT_FALSE(file.Close(&e));
    EXPECT_EQ(ERROR_ACCESS_DENIED, e.m_lOsError);
    EXPECT_EQ(CFileException::accessDenied, e.m_cause);
    EXPECT_EQ("abc", bench::ReadFileBytes(path));

    // The standard report: the file's name and the system's words for the cause.
    CWinApp app("File Test");
    MessageBoxCatcher catcher;
    EXPECT_EQ(IDOK, e.ReportError());
    ASSERT_EQ(1u, catcher.boxes.size());
    EXPECT_EQ("File Test", catcher.boxes[0].caption);
    char* pszSystem = nullptr;
    ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, ERROR_ACCESS_DENIED, 0, (LPSTR)&pszSystem, 0, nullptr);
    ASSERT_NE(nullptr, pszSystem);
    std::string systemWords(pszSystem);
    ::LocalFree(pszSystem);
    while (!systemWords.empty() && (systemWords.back() == '\n' || systemWords.back() == '\r'))
        systemWords.pop_back();
    EXPECT_EQ(path + "\n" + systemWords, catcher.boxes[0].text);
    ::DeleteFileA(path.c_str());
}

class ArchiveTest : public ::testing::Test {
protected:
    void TearDown() override { ::DeleteFileA(path.c_str()); }
    std::string path = TempFilePath("archive.txt");
};

TEST_F(ArchiveTest, FullBuffersGoToTheFileTheRestAtClose)
{
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary));
    std::string data;
    for (int i = 0; i < 9000; ++i)
        data += (char)('a' + i % 26);
    CArchive ar(&file, CArchive::store);
    EXPECT_TRUE(ar.IsStoring());
    struct Step {
        size_t nWrite;
        size_t bytesInFile;
    } steps[] = {{4095, 0}, {1, 4096}, {1, 4096}, {4095, 8192}, {808, 8192}};
    size_t at = 0;
    for (const Step& s : steps) {
        EXPECT_TRUE(ar.Write(data.data() + at, (UINT)s.nWrite));
        at += s.nWrite;
        EXPECT_EQ(s.bytesInFile, bench::ReadFileBytes(path).size()) << "after " << at << " bytes";
    }
    EXPECT_TRUE(ar.Close());
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(data, bench::ReadFileBytes(path));
}

TEST_F(ArchiveTest, TextFileUnderArchiveTranslatesAcrossTheBoundary)
{
    CStdioFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText));
    {
        CArchive ar(&file, CArchive::store, 4096);
        std::string line(4094, 'w');
        ar.WriteString("\t");
        ar.WriteString(line.c_str());
        ar.WriteString("\n");  // the 4096th byte: the buffer goes out translated
        EXPECT_EQ(4097u, bench::ReadFileBytes(path).size());
        ar.WriteString("Thread: 00000001\n");
    }  // the archive's end writes the rest
    file.Close();
    std::string bytes = bench::ReadFileBytes(path);
    EXPECT_EQ("\t" + std::string(4094, 'w') + "\r\nThread: 00000001\r\n", bytes);
}

TEST_F(ArchiveTest, FailedFileWriteMarksTheArchiveFailed)
{
    bench::WriteFileBytes(path, "keep");
    CStdioFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead | CFile::typeText));
    CArchive ar(&file, CArchive::store);
    EXPECT_TRUE(ar.WriteString("short"));  // still in the buffer
    EXPECT_FALSE(ar.HasFailed());
    EXPECT_FALSE(ar.Close());
    EXPECT_TRUE(ar.HasFailed());
    EXPECT_FALSE(file.Close());
    EXPECT_EQ("keep", bench::ReadFileBytes(path));
}

TEST_F(ArchiveTest, LoadingReadsBackWhatWasStored)
{
    std::string data(10000, '\0');
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = (char)(i * 7);
    bench::WriteFileBytes(path, data);
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead));
    CArchive ar(&file, CArchive::load);
    EXPECT_TRUE(ar.IsLoading());
    std::string back(10010, '\0');
    EXPECT_EQ(5000u, ar.Read(&back[0], 5000));
    EXPECT_EQ(5000u, ar.Read(&back[5000], 5010));
    back.resize(10000);
    EXPECT_EQ(data, back);
    EXPECT_FALSE(ar.Write("x", 1));  // not a storing archive
}

} // namespace
