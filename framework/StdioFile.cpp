#include "framework/StdioFile.h"

#include <cstring>
#include <string>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

BOOL CStdioFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    m_bTextMode = !(nOpenFlags & typeBinary);
    return CFile::Open(lpszFileName, nOpenFlags, pError);
}

BOOL CStdioFile::Write(const void* lpBuf, UINT nCount)
{
    if (!m_bTextMode)
        return WriteRaw(lpBuf, nCount);
    const char* p = (const char*)lpBuf;
    std::string text;
    text.reserve(nCount + nCount / 16 + 2);
    for (UINT i = 0; i < nCount; ++i) {
        if (p[i] == '\n')
            text += '\r';
        text += p[i];
    }
    return WriteRaw(text.data(), (UINT)text.size());
}

BOOL CStdioFile::WriteString(LPCSTR lpsz)
{
    return Write(lpsz, lpsz ? (UINT)strlen(lpsz) : 0);
}

BOOL CStdioFile::ReadString(CString& rString)
{
    rString.Empty();
    std::string line;
    bool bAny = false, bLineFeed = false;
    char buf[256];
    while (!bLineFeed) {
        UINT n = Read(buf, sizeof buf);
        if (n == 0)
            break;
        bAny = true;
        const char* pLF = (const char*)memchr(buf, '\n', n);
        UINT nTake = pLF ? (UINT)(pLF - buf) : n;
        line.append(buf, nTake);
        if (pLF) {
            bLineFeed = true;
            // Leave the file just after the line feed.
            LARGE_INTEGER back;
            back.QuadPart = -(LONGLONG)(n - nTake - 1);
            if (back.QuadPart != 0)
                ::SetFilePointerEx(m_hFile, back, nullptr, FILE_CURRENT);
        }
    }
    if (!bAny)
        return FALSE;
    if (bLineFeed && m_bTextMode && !line.empty() && line.back() == '\r')
        line.pop_back();
    rString = CString(line.data(), (int)line.size());
    return TRUE;
}
