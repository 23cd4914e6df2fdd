// The three record lists behind the tree items: one entry per item, in item
// order. The link from an item to its entry is the item's label alone.
#ifndef KORV_MODEL_RECORDLISTS_H
#define KORV_MODEL_RECORDLISTS_H

#include <windows.h>
#include <tlhelp32.h>

#include "framework/fw.h"

typedef CArray<PROCESSENTRY32, const PROCESSENTRY32&> CProcessList;
typedef CArray<THREADENTRY32, const THREADENTRY32&> CThreadList;
typedef CArray<HWND, HWND> CWindowList;

#endif
