// The program folder: the full path of the program's own executable, cut
// after its last backslash (the backslash kept). The tip setting file and
// the donation page are looked for there.
#ifndef KORV_APP_PROGRAMFOLDER_H
#define KORV_APP_PROGRAMFOLDER_H

#include "framework/fw.h"

// The program folder followed by lpszFileName. When the program's path
// holds no backslash the folder is empty, and the bare name comes back.
CString GetProgramFolderFile(LPCSTR lpszFileName);

#endif
