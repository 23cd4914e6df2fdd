// CCommandLineInfo: what the program's command line asks for.
#ifndef KORV_FW_COMMANDLINEINFO_H
#define KORV_FW_COMMANDLINEINFO_H

#include "framework/Object.h"
#include "framework/FwString.h"

class CCommandLineInfo : public CObject {
public:
    enum { FileNew, FileOpen, FileNothing };

    int m_nShellCommand = FileNew;  // no arguments: a new document
    CString m_strFileName;

    // One argument; bFlag when it began with '/' or '-' (which is dropped).
    // The first plain argument is a document to open; flags are ignored.
    virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);
};

#endif
