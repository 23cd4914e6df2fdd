#include "framework/FileDialog.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFileDialog, CObject)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags,
                         LPCSTR lpszFilter, CWnd* pParentWnd)
    : m_ofn(), m_bOpenFileDialog(bOpenFileDialog), m_pParentWnd(pParentWnd)
{
    if (lpszFileName)
        lstrcpynA(m_szFileName, lpszFileName, MAX_PATH);
    if (lpszFilter) {
        // The system wants the pairs separated by zeros, ending in two.
        m_strFilter = lpszFilter;
        for (char& ch : m_strFilter) {
            if (ch == '|')
                ch = '\0';
        }
        m_strFilter.append(2, '\0');
    }
    if (lpszDefExt)
        m_strDefExt = lpszDefExt[0] == '.' ? lpszDefExt + 1 : lpszDefExt;

    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = MAX_PATH;
    m_ofn.lpstrFilter = m_strFilter.empty() ? nullptr : m_strFilter.c_str();
    m_ofn.nFilterIndex = m_strFilter.empty() ? 0 : 1;
    m_ofn.lpstrDefExt = m_strDefExt.empty() ? nullptr : m_strDefExt.c_str();
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    m_ofn.hInstance = nullptr;
    BOOL bOk = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    return bOk ? IDOK : IDCANCEL;
}
