// What a tree control shows, item by item, for comparing trees.
#ifndef KORV_TESTS_MODEL_TREEDUMP_H
#define KORV_TESTS_MODEL_TREEDUMP_H

#include <windows.h>
#include <commctrl.h>
#include <ostream>
#include <string>
#include <vector>

struct ItemRow {
    int depth;          // 0 for root items
    std::string text;
    int image;
    int selectedImage;
    LPARAM param;
    bool operator==(const ItemRow& o) const
    {
        return depth == o.depth && text == o.text && image == o.image && selectedImage == o.selectedImage &&
               param == o.param;
    }
};
std::ostream& operator<<(std::ostream& os, const ItemRow& r);

ItemRow ReadItem(HWND tree, HTREEITEM item, int depth);
// Every item in pre-order (an item, its children, its next sibling).
std::vector<ItemRow> DumpTree(HWND tree);
// The children of one item, in order (depth 0 in the rows).
std::vector<ItemRow> DumpChildren(HWND tree, HTREEITEM parent);
std::vector<HTREEITEM> Children(HWND tree, HTREEITEM parent);  // parent null: the root items
// The first item among the children of parent whose text starts with prefix.
HTREEITEM FindChild(HWND tree, HTREEITEM parent, const std::string& prefix);
std::string ItemText(HWND tree, HTREEITEM item);
// An id or a handle as the labels show it: eight upper-case hex digits.
std::string Hex8(UINT_PTR v);

#endif
