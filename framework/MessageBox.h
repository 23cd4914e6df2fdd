// AfxMessageBox: the program's message box. Its caption is the application
// title and its owner the main window, when there is one.
#ifndef KORV_FW_MESSAGEBOX_H
#define KORV_FW_MESSAGEBOX_H

#include "framework/Platform.h"

// nIDHelp is accepted for the usual signature; there is no help file.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The text is string resource nIDPrompt.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

#endif
