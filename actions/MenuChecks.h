// Which entry of an item's context menu shows as checked: the entry whose
// command would set the state that was just read. Zero when no entry
// matches the value (a failed read included).
#ifndef KORV_ACTIONS_MENUCHECKS_H
#define KORV_ACTIONS_MENUCHECKS_H

#include <windows.h>

// From the value GetPriorityClass returns.
UINT CheckedProcessCommand(DWORD dwPriorityClass);
// From the value GetThreadPriority returns.
UINT CheckedThreadCommand(int nPriority);
// From IsWindowVisible: "Visible" or "Invisible", always one of the two.
UINT CheckedWindowCommand(BOOL bVisible);

#endif
