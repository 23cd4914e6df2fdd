#include "app/ProgramFolder.h"

CString GetProgramFolderFile(LPCSTR lpszFileName)
{
    CString strPath;
    DWORD nLength = ::GetModuleFileNameA(AfxGetInstanceHandle(), strPath.GetBuffer(MAX_PATH), MAX_PATH);
    strPath.ReleaseBuffer(nLength < MAX_PATH ? (int)nLength : MAX_PATH);

    // ReverseFind steps over double-byte characters, so the second byte of
    // one is never taken for a backslash.
    CString strFile = strPath.Left(strPath.ReverseFind('\\') + 1);
    strFile += lpszFileName;
    return strFile;
}
