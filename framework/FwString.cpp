#include "framework/FwString.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "framework/WinApp.h"

void CString::Format(const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::FormatV(const char* pszFormat, va_list args)
{
    std::string out(256, '\0');
    for (;;) {
        va_list copy;
        va_copy(copy, args);
        int n = vsnprintf(&out[0], out.size(), pszFormat, copy);
        va_end(copy);
        if (n >= 0 && (size_t)n < out.size()) {
            out.resize(n);
            break;
        }
        // Too small: n is the length needed, or -1 from a runtime that does not say.
        out.assign(n >= 0 ? (size_t)n + 1 : out.size() * 2, '\0');
    }
    m_str.swap(out);
}

BOOL CString::LoadString(UINT nID)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    std::string buf(256, '\0');
    for (;;) {
        int n = ::LoadStringA(hInst, nID, &buf[0], (int)buf.size());
        if (n < (int)buf.size() - 1) {
            buf.resize(n > 0 ? n : 0);
            break;
        }
        buf.assign(buf.size() * 2, '\0');  // may have been cut: try a larger buffer
    }
    m_str.swap(buf);
    return !m_str.empty();
}

char* CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > (int)m_str.size())
        m_str.resize(nMinBufLength);
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = (int)strlen(m_str.c_str());
    if (nNewLength > (int)m_str.size())
        nNewLength = (int)m_str.size();
    m_str.resize(nNewLength);
}

CString CString::Left(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    return CString(m_str.substr(0, nCount).c_str());
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nFirst >= GetLength() || nCount <= 0)
        return CString();
    return CString(m_str.substr(nFirst, nCount).c_str());
}

CString CString::Right(int nCount) const
{
    if (nCount <= 0)
        return CString();
    if (nCount >= GetLength())
        return *this;
    return CString(m_str.substr(m_str.size() - nCount).c_str());
}

int CString::Find(char ch, int nStart) const
{
    int len = GetLength();
    for (int i = 0; i < len; ++i) {
        if (i >= nStart && m_str[i] == ch)
            return i;
        if (IsDBCSLeadByte((BYTE)m_str[i]) && i + 1 < len)
            ++i;
    }
    return -1;
}

int CString::Find(const char* pszSub, int nStart) const
{
    if (!pszSub || nStart < 0 || nStart > GetLength())
        return -1;
    size_t pos = m_str.find(pszSub, nStart);
    return pos == std::string::npos ? -1 : (int)pos;
}

int CString::ReverseFind(char ch) const
{
    int found = -1;
    int len = GetLength();
    for (int i = 0; i < len; ++i) {
        if (m_str[i] == ch)
            found = i;
        else if (IsDBCSLeadByte((BYTE)m_str[i]) && i + 1 < len)
            ++i;
    }
    return found;
}
