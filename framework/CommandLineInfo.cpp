#include "framework/CommandLineInfo.h"

void CCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL)
{
    if (!bFlag && m_strFileName.IsEmpty()) {
        m_strFileName = pszParam;
        m_nShellCommand = FileOpen;
    }
}
