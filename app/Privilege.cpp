// Enabling or disabling one privilege of an access token, in two passes;
// the outcome is judged by GetLastError alone, since AdjustTokenPrivileges
// succeeds even when it could not assign the privilege.
#include "app/QuillanApp.h"

BOOL AdjustPrivilege(HANDLE hToken, LPCSTR lpszPrivilege, BOOL bEnable)
{
    LUID luid;
    if (!LookupPrivilegeValueA(NULL, lpszPrivilege, &luid))
        return FALSE;

    TOKEN_PRIVILEGES tp = {};
    tp.PrivilegeCount = 1;
    tp.Privileges[0].Luid = luid;
    tp.Privileges[0].Attributes = 0;
    TOKEN_PRIVILEGES tpPrevious = {};
    DWORD cbPrevious = sizeof(TOKEN_PRIVILEGES);
    AdjustTokenPrivileges(hToken, FALSE, &tp, sizeof(TOKEN_PRIVILEGES), &tpPrevious, &cbPrevious);
    if (GetLastError() != ERROR_SUCCESS)
        return FALSE;

    tpPrevious.PrivilegeCount = 1;
    tpPrevious.Privileges[0].Luid = luid;
    if (bEnable)
        tpPrevious.Privileges[0].Attributes |= SE_PRIVILEGE_ENABLED;
    else
        tpPrevious.Privileges[0].Attributes &= ~(DWORD)SE_PRIVILEGE_ENABLED;
    AdjustTokenPrivileges(hToken, FALSE, &tpPrevious, cbPrevious, NULL, NULL);
    return GetLastError() == ERROR_SUCCESS;
}
