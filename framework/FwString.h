// CString: an 8-bit character string that converts to const char*.
#ifndef KORV_FW_FWSTRING_H
#define KORV_FW_FWSTRING_H

#include <string>

#include "framework/Platform.h"

class CString {
public:
    CString() {}
    CString(const char* psz) : m_str(psz ? psz : "") {}
    CString(const char* pch, int nLength) : m_str(pch, nLength > 0 ? nLength : 0) {}
    CString(char ch, int nRepeat = 1) : m_str(nRepeat > 0 ? nRepeat : 0, ch) {}

    int GetLength() const { return (int)m_str.size(); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    operator const char*() const { return m_str.c_str(); }
    char GetAt(int nIndex) const { return m_str[nIndex]; }
    char operator[](int nIndex) const { return m_str[nIndex]; }

    CString& operator=(const char* psz) { m_str = psz ? psz : ""; return *this; }
    CString& operator+=(const char* psz) { if (psz) m_str += psz; return *this; }
    CString& operator+=(const CString& s) { m_str += s.m_str; return *this; }
    CString& operator+=(char ch) { m_str += ch; return *this; }

    int Compare(const char* psz) const { return m_str.compare(psz ? psz : ""); }

    // printf-style formatting; the result may be of any length.
    void Format(const char* pszFormat, ...);
    void FormatV(const char* pszFormat, va_list args);

    // Loads string resource nID of the program; FALSE (and empty) when there is none.
    BOOL LoadString(UINT nID);

    // A writable buffer of at least nMinBufLength characters plus the
    // terminating zero; ReleaseBuffer takes the new length (-1: up to the zero).
    char* GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);

    CString Left(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Right(int nCount) const;

    // Index of the first / last occurrence, or -1. The character searches
    // step over double-byte characters of the ANSI code page, so a trail
    // byte never matches.
    int Find(char ch, int nStart = 0) const;
    int Find(const char* pszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;

    friend CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
    friend CString operator+(const CString& a, const char* b) { CString r(a); r += b; return r; }
    friend CString operator+(const char* a, const CString& b) { CString r(a); r += b; return r; }
    friend CString operator+(const CString& a, char b) { CString r(a); r += b; return r; }

    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
    friend bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend bool operator!=(const char* a, const CString& b) { return !(a == b); }

private:
    std::string m_str;
};

#endif
