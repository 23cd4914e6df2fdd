#include "framework/File.h"

IMPLEMENT_DYNAMIC(CFile, CObject)

CFile::~CFile()
{
    if (IsOpen())
        Close();
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (IsOpen())
        Close();
    m_lOsError = 0;
    m_nOpenFlags = nOpenFlags;
    m_strFileName = lpszFileName;

    DWORD dwAccess = 0;
    switch (nOpenFlags & 3) {
    case modeRead:
        dwAccess = GENERIC_READ;
        break;
    case modeWrite:
        dwAccess = GENERIC_WRITE;
        break;
    default:
        dwAccess = GENERIC_READ | GENERIC_WRITE;
        break;
    }
    DWORD dwShare = 0;
    switch (nOpenFlags & 0x70) {
    case shareExclusive:
        dwShare = 0;
        break;
    case shareDenyWrite:
        dwShare = FILE_SHARE_READ;
        break;
    case shareDenyRead:
        dwShare = FILE_SHARE_WRITE;
        break;
    default:
        dwShare = FILE_SHARE_READ | FILE_SHARE_WRITE;
        break;
    }
    DWORD dwCreate = OPEN_EXISTING;
    if (nOpenFlags & modeCreate)
        dwCreate = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, (nOpenFlags & modeNoInherit) ? FALSE : TRUE};

    HANDLE hFile = ::CreateFileA(lpszFileName, dwAccess, dwShare, &sa, dwCreate, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        LONG lError = (LONG)::GetLastError();
        if (pError)
            pError->Set(lError, lpszFileName);
        return FALSE;
    }
    m_hFile = hFile;
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    DWORD dwRead = 0;
    if (!IsOpen() || nCount == 0)
        return 0;
    if (!::ReadFile(m_hFile, lpBuf, nCount, &dwRead, nullptr)) {
        Fail((LONG)::GetLastError());
        return 0;
    }
    return dwRead;
}

BOOL CFile::Write(const void* lpBuf, UINT nCount)
{
    return WriteRaw(lpBuf, nCount);
}

BOOL CFile::WriteRaw(const void* lpBuf, UINT nCount)
{
    if (!IsOpen()) {
        Fail(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (nCount == 0)
        return TRUE;
    DWORD dwWritten = 0;
    if (!::WriteFile(m_hFile, lpBuf, nCount, &dwWritten, nullptr)) {
        Fail((LONG)::GetLastError());
        return FALSE;
    }
    if (dwWritten != nCount) {
        Fail(ERROR_DISK_FULL);  // a short write: the medium is full
        return FALSE;
    }
    return TRUE;
}

void CFile::Fail(LONG lOsError)
{
    if (m_lOsError == 0)
        m_lOsError = lOsError ? lOsError : ERROR_GEN_FAILURE;
}

BOOL CFile::Close(CFileException* pError)
{
    if (IsOpen()) {
        if (!::CloseHandle(m_hFile))
            Fail((LONG)::GetLastError());
        m_hFile = INVALID_HANDLE_VALUE;
    }
    if (m_lOsError == 0)
        return TRUE;
    if (pError)
        pError->Set(m_lOsError, m_strFileName);
    return FALSE;
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size = {};
    if (!IsOpen() || !::GetFileSizeEx(m_hFile, &size))
        return 0;
    return (ULONGLONG)size.QuadPart;
}
