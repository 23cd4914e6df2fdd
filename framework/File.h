// CFile: a file through the system's file handle functions. Failures are
// returned and remembered; nothing is thrown.
#ifndef KORV_FW_FILE_H
#define KORV_FW_FILE_H

#include "framework/FileException.h"
#include "framework/FwString.h"
#include "framework/Object.h"

class CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,       // create, or truncate an existing file
        modeNoTruncate = 0x2000,   // with modeCreate: keep an existing file
        typeText = 0x4000,         // for CStdioFile
        typeBinary = 0x8000
    };

    HANDLE m_hFile = INVALID_HANDLE_VALUE;

    CFile() {}
    ~CFile() override;  // closes the file

    // FALSE when the file cannot be opened; pError (if given) then tells
    // why and names the file.
    virtual BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    // Returns the number of bytes read; 0 at the end or on failure.
    virtual UINT Read(void* lpBuf, UINT nCount);
    // FALSE unless all nCount bytes were written; the first failure is kept.
    virtual BOOL Write(const void* lpBuf, UINT nCount);
    // FALSE when closing failed or an earlier write had failed; pError
    // (if given) then tells the first failure.
    virtual BOOL Close(CFileException* pError = nullptr);

    BOOL IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
    ULONGLONG GetLength() const;
    const CString& GetFilePath() const { return m_strFileName; }
    // Whether anything failed since the file was opened.
    BOOL HasFailed() const { return m_lOsError != 0; }

protected:
    BOOL WriteRaw(const void* lpBuf, UINT nCount);
    void Fail(LONG lOsError);

    CString m_strFileName;
    UINT m_nOpenFlags = 0;
    LONG m_lOsError = 0;
};

#endif
