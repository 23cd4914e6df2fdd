// CFileException: what went wrong with a file, and the standard message
// for it. Filled by the file operations; nothing is thrown.
#ifndef KORV_FW_FILEEXCEPTION_H
#define KORV_FW_FILEEXCEPTION_H

#include "framework/FwString.h"
#include "framework/Object.h"

class CFileException : public CObject {
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    int m_cause = none;
    LONG m_lOsError = 0;  // the system error code
    CString m_strFileName;

    // Fills cause, system error and file name.
    void Set(LONG lOsError, LPCSTR lpszFileName);
    static int OsErrorToException(LONG lOsError);

    // The message box that names the file and the cause in the system's
    // words for the error; returns the message box result.
    int ReportError(UINT nType = MB_ICONSTOP, UINT nMessageID = 0) const;
    // That message's text.
    CString GetErrorMessage() const;
};

#endif
