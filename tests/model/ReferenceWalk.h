// The tree builder's walk as the product describes it, kept as the yardstick
// for the one-pass build: per process a fresh whole-system thread snapshot,
// per thread a walk of the whole window hierarchy. It inserts the same
// items and appends the same records, and costs processes x threads +
// threads x windows system calls.
#ifndef KORV_TESTS_MODEL_REFERENCEWALK_H
#define KORV_TESTS_MODEL_REFERENCEWALK_H

#include <windows.h>
#include <commctrl.h>

#include "model/RecordLists.h"

// Fills an empty tree control and empty lists.
void ReferenceFill(HWND tree, CProcessList& processes, CThreadList& threads, CWindowList& windows);
// One thread's windows among the descendants of parent (all windows when
// null), in pre-order, under parentItem; records appended when list is set.
void ReferenceThreadWindows(HWND tree, HWND parent, DWORD tid, HTREEITEM parentItem, CWindowList* list);

#endif
