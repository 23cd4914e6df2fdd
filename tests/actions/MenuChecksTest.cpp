// The checked entry of each context menu: the entry whose command sets the
// value that was read; values the commands never set check nothing.
#include <gtest/gtest.h>

#include "actions/MenuChecks.h"
#include "res/resource.h"

TEST(MenuChecks, ProcessPriorityClass)
{
    struct {
        DWORD value;
        UINT command;
    } cases[] = {
        {REALTIME_PRIORITY_CLASS, ID_PROC_REALTIME},
        {HIGH_PRIORITY_CLASS, ID_PROC_HIGH},
        {ABOVE_NORMAL_PRIORITY_CLASS, ID_PROC_ABOVENORMAL},
        {NORMAL_PRIORITY_CLASS, ID_PROC_NORMAL},
        {BELOW_NORMAL_PRIORITY_CLASS, ID_PROC_BELOWNORMAL},
        {IDLE_PRIORITY_CLASS, ID_PROC_LOW},  // "Low" is the idle class
        {0, 0},                              // GetPriorityClass failed
        {0x10, 0},
        {0x8000 | 0x20, 0},
        {0xFFFFFFFF, 0},
    };
    for (auto& c : cases)
        EXPECT_EQ(CheckedProcessCommand(c.value), c.command) << std::hex << c.value;
}

TEST(MenuChecks, ThreadPriority)
{
    struct {
        int value;
        UINT command;
    } cases[] = {
        {THREAD_PRIORITY_TIME_CRITICAL, ID_THREAD_CRITICAL},
        {THREAD_PRIORITY_HIGHEST, ID_THREAD_HIGH},
        {THREAD_PRIORITY_ABOVE_NORMAL, ID_THREAD_ABOVENORMAL},
        {THREAD_PRIORITY_NORMAL, ID_THREAD_NORMAL},
        {THREAD_PRIORITY_BELOW_NORMAL, ID_THREAD_BELOWNORMAL},
        {THREAD_PRIORITY_LOWEST, ID_THREAD_LOW},  // "Low" is LOWEST for a thread
        {THREAD_PRIORITY_IDLE, ID_THREAD_IDLE},
        {(int)THREAD_PRIORITY_ERROR_RETURN, 0},
        {3, 0},  // the real-time class's extra levels
        {6, 0},
        {-3, 0},
        {-7, 0},
    };
    for (auto& c : cases)
        EXPECT_EQ(CheckedThreadCommand(c.value), c.command) << c.value;
}

TEST(MenuChecks, WindowVisibility)
{
    EXPECT_EQ(CheckedWindowCommand(TRUE), (UINT)ID_WIN_VISIBLE);
    EXPECT_EQ(CheckedWindowCommand(2), (UINT)ID_WIN_VISIBLE);  // any nonzero
    EXPECT_EQ(CheckedWindowCommand(FALSE), (UINT)ID_WIN_INVISIBLE);
}
