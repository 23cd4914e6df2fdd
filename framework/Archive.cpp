#include "framework/Archive.h"

#include <cstring>

#include "framework/File.h"

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize)
    : m_pFile(pFile), m_nMode(nMode), m_buffer(nBufSize > 0 ? nBufSize : 4096)
{
}

CArchive::~CArchive()
{
    if (m_pFile && !(m_nMode & bNoFlushOnDelete))
        Close();
}

BOOL CArchive::Write(const void* lpBuf, UINT nCount)
{
    if (!m_pFile || !IsStoring()) {
        m_bFailed = TRUE;
        return FALSE;
    }
    const BYTE* p = (const BYTE*)lpBuf;
    while (nCount > 0) {
        UINT nSpace = (UINT)m_buffer.size() - m_nCount;
        UINT nPart = nCount < nSpace ? nCount : nSpace;
        memcpy(m_buffer.data() + m_nCount, p, nPart);
        m_nCount += nPart;
        p += nPart;
        nCount -= nPart;
        if (m_nCount == m_buffer.size())
            Flush();
    }
    return !m_bFailed;
}

BOOL CArchive::WriteString(LPCSTR lpsz)
{
    return Write(lpsz, lpsz ? (UINT)strlen(lpsz) : 0);
}

UINT CArchive::Read(void* lpBuf, UINT nCount)
{
    if (!m_pFile || !IsLoading())
        return 0;
    BYTE* p = (BYTE*)lpBuf;
    UINT nDone = 0;
    while (nDone < nCount) {
        if (m_nCount == 0) {
            m_nPos = 0;
            m_nCount = m_pFile->Read(m_buffer.data(), (UINT)m_buffer.size());
            if (m_nCount == 0)
                break;
        }
        UINT nPart = nCount - nDone < m_nCount ? nCount - nDone : m_nCount;
        memcpy(p + nDone, m_buffer.data() + m_nPos, nPart);
        m_nPos += nPart;
        m_nCount -= nPart;
        nDone += nPart;
    }
    return nDone;
}

BOOL CArchive::Flush()
{
    if (m_pFile && IsStoring() && m_nCount > 0) {
        if (!m_bFailed && !m_pFile->Write(m_buffer.data(), m_nCount))
            m_bFailed = TRUE;
        m_nCount = 0;
    }
    return !m_bFailed;
}

BOOL CArchive::Close()
{
    BOOL bResult = Flush();
    m_pFile = nullptr;
    return bResult;
}
