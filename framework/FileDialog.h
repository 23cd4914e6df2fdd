// CFileDialog: the system's Open or Save As dialog.
#ifndef KORV_FW_FILEDIALOG_H
#define KORV_FW_FILEDIALOG_H

#include <string>

#include "framework/Wnd.h"

#include <commdlg.h>

class CFileDialog : public CObject {
    DECLARE_DYNAMIC(CFileDialog)
public:
    // lpszDefExt: added to a name typed without extension (with or without
    // its leading dot); lpszFilter: "Description|pattern|...|" pairs ending
    // in "||". The owner is pParentWnd's window, or none.
    CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = nullptr,
                CWnd* pParentWnd = nullptr);

    OPENFILENAMEA m_ofn;

    INT_PTR DoModal();  // IDOK or IDCANCEL
    CString GetPathName() const { return CString(m_szFileName); }

private:
    BOOL m_bOpenFileDialog;
    CWnd* m_pParentWnd;
    std::string m_strFilter;
    std::string m_strDefExt;
    char m_szFileName[MAX_PATH] = "";
};

#endif
