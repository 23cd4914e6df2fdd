// CStdioFile: a file read and written as text. In text mode (the default;
// typeBinary turns it off) every line feed written is stored as CR LF.
#ifndef KORV_FW_STDIOFILE_H
#define KORV_FW_STDIOFILE_H

#include "framework/File.h"

class CStdioFile : public CFile {
    DECLARE_DYNAMIC(CStdioFile)
public:
    BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;
    BOOL Write(const void* lpBuf, UINT nCount) override;
    BOOL WriteString(LPCSTR lpsz);
    // The next line: the bytes up to the next line feed, without it and (in
    // text mode) without a CR just before it. FALSE, with an empty string,
    // at the end of the file.
    BOOL ReadString(CString& rString);

private:
    BOOL m_bTextMode = TRUE;
};

#endif
