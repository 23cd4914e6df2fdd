// The Win32 headers the framework is written against. All text functions
// and control messages are used in their 8-bit (ANSI) form.
#ifndef KORV_FW_PLATFORM_H
#define KORV_FW_PLATFORM_H

#include <windows.h>
#include <commctrl.h>

#include "framework/fwres.h"

#endif
