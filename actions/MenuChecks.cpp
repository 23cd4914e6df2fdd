// Which entry of an item's context menu shows as checked.
#include "actions/MenuChecks.h"

#include "res/resource.h"

UINT CheckedProcessCommand(DWORD dwPriorityClass)
{
    switch (dwPriorityClass) {
    case REALTIME_PRIORITY_CLASS: return ID_PROC_REALTIME;
    case HIGH_PRIORITY_CLASS: return ID_PROC_HIGH;
    case ABOVE_NORMAL_PRIORITY_CLASS: return ID_PROC_ABOVENORMAL;
    case NORMAL_PRIORITY_CLASS: return ID_PROC_NORMAL;
    case BELOW_NORMAL_PRIORITY_CLASS: return ID_PROC_BELOWNORMAL;
    case IDLE_PRIORITY_CLASS: return ID_PROC_LOW;
    default: return 0;
    }
}

UINT CheckedThreadCommand(int nPriority)
{
    switch (nPriority) {
    case THREAD_PRIORITY_TIME_CRITICAL: return ID_THREAD_CRITICAL;
    case THREAD_PRIORITY_HIGHEST: return ID_THREAD_HIGH;
    case THREAD_PRIORITY_ABOVE_NORMAL: return ID_THREAD_ABOVENORMAL;
    case THREAD_PRIORITY_NORMAL: return ID_THREAD_NORMAL;
    case THREAD_PRIORITY_BELOW_NORMAL: return ID_THREAD_BELOWNORMAL;
    case THREAD_PRIORITY_LOWEST: return ID_THREAD_LOW;
    case THREAD_PRIORITY_IDLE: return ID_THREAD_IDLE;
    default: return 0;
    }
}

UINT CheckedWindowCommand(BOOL bVisible)
{
    return bVisible ? ID_WIN_VISIBLE : ID_WIN_INVISIBLE;
}
