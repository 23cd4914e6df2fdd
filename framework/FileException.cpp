#include "framework/FileException.h"

#include "framework/MessageBox.h"

IMPLEMENT_DYNAMIC(CFileException, CObject)

void CFileException::Set(LONG lOsError, LPCSTR lpszFileName)
{
    m_lOsError = lOsError;
    m_cause = OsErrorToException(lOsError);
    m_strFileName = lpszFileName;
}

int CFileException::OsErrorToException(LONG lOsError)
{
    switch (lOsError) {
    case NO_ERROR:
        return none;
    case ERROR_FILE_NOT_FOUND:
        return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
        return badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
        return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return accessDenied;
    case ERROR_INVALID_HANDLE:
        return invalidFile;
    case ERROR_CURRENT_DIRECTORY:
        return removeCurrentDir;
    case ERROR_CANNOT_MAKE:
        return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
        return badSeek;
    case ERROR_SHARING_VIOLATION:
        return sharingViolation;
    case ERROR_LOCK_VIOLATION:
        return lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return diskFull;
    case ERROR_HANDLE_EOF:
        return endOfFile;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
        return hardIO;
    default:
        return genericException;
    }
}

CString CFileException::GetErrorMessage() const
{
    CString strCause;
    if (m_lOsError != 0) {
        char* pszSystem = nullptr;
        DWORD n = ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, (DWORD)m_lOsError, 0, (LPSTR)&pszSystem, 0, nullptr);
        if (n && pszSystem) {
            strCause = pszSystem;
            // The system's text ends with a line end.
            while (!strCause.IsEmpty() && (strCause[strCause.GetLength() - 1] == '\n' ||
                                          strCause[strCause.GetLength() - 1] == '\r' ||
                                          strCause[strCause.GetLength() - 1] == ' '))
                strCause = strCause.Left(strCause.GetLength() - 1);
        }
        if (pszSystem)
            ::LocalFree(pszSystem);
        if (strCause.IsEmpty())
            strCause.Format("System error %ld.", (long)m_lOsError);
    } else {
        strCause = "An unknown file error occurred.";
    }
    if (m_strFileName.IsEmpty())
        return strCause;
    return m_strFileName + "\n" + strCause;
}

int CFileException::ReportError(UINT nType, UINT) const
{
    return AfxMessageBox(GetErrorMessage(), nType);
}
