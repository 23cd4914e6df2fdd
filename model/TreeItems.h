// Inserting the process, thread and window items: each at the end of its
// parent's children, with its label as text and the same index as image
// and selected image. Nothing else is stored in an item.
#ifndef KORV_MODEL_TREEITEMS_H
#define KORV_MODEL_TREEITEMS_H

#include <windows.h>
#include <tlhelp32.h>

#include "framework/fw.h"

HTREEITEM InsertTreeItem(CTreeCtrl& tree, HTREEITEM hParent, const char* pszLabel, int nImage);

// A process item at the root.
HTREEITEM InsertProcessItem(CTreeCtrl& tree, const PROCESSENTRY32& pe);
// A thread item under its process item.
HTREEITEM InsertThreadItem(CTreeCtrl& tree, HTREEITEM hProcessItem, const THREADENTRY32& te);
// A window item under its thread item, with the window's title, class and
// visibility as they are now.
HTREEITEM InsertWindowItem(CTreeCtrl& tree, HTREEITEM hThreadItem, HWND hWnd);

#endif
