// CArchive: a buffered stream over a CFile. Storing, the bytes collect in
// the buffer, which goes to the file each time it is full and at Flush and
// Close. A failed write to the file marks the archive failed; from then on
// nothing more is written.
#ifndef KORV_FW_ARCHIVE_H
#define KORV_FW_ARCHIVE_H

#include <vector>

#include "framework/Platform.h"

class CFile;

class CArchive {
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2 };

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096);
    ~CArchive();  // closes the archive unless bNoFlushOnDelete

    BOOL IsStoring() const { return !(m_nMode & load); }
    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    CFile* GetFile() const { return m_pFile; }

    BOOL Write(const void* lpBuf, UINT nCount);
    BOOL WriteString(LPCSTR lpsz);  // the characters, without the terminating zero
    UINT Read(void* lpBuf, UINT nCount);
    BOOL Flush();
    // Writes out the buffer and lets go of the file (which stays open).
    BOOL Close();
    BOOL HasFailed() const { return m_bFailed; }

private:
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    CFile* m_pFile;
    UINT m_nMode;
    std::vector<BYTE> m_buffer;
    UINT m_nCount = 0;  // bytes in the buffer (storing) or left to read (loading)
    UINT m_nPos = 0;    // next byte to read (loading)
    BOOL m_bFailed = FALSE;
};

#endif
