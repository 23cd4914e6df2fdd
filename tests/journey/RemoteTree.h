// Reads the tree control of another process: its items in order with their
// depth and text, and where an item shows on screen. Tree messages that
// carry a pointer need memory in the tree's own process, so a buffer is
// allocated there for them.
#ifndef KORV_TESTS_JOURNEY_REMOTETREE_H
#define KORV_TESTS_JOURNEY_REMOTETREE_H

#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>

namespace journey {

struct RemoteItem {
    HTREEITEM item;
    int depth;  // 0 for the root items
    std::string text;
};

class RemoteTree {
public:
    // process: a handle with PROCESS_VM_OPERATION, _READ and _WRITE.
    RemoteTree(HWND tree, HANDLE process);
    ~RemoteTree();
    RemoteTree(const RemoteTree&) = delete;
    RemoteTree& operator=(const RemoteTree&) = delete;

    bool Ok() const { return remote_ != nullptr; }
    // Every item in pre-order: an item, its children, its next sibling.
    std::vector<RemoteItem> Items();
    std::string Text(HTREEITEM item);
    // The first child of parent (null: a root item) whose text starts with prefix.
    HTREEITEM FindChild(HTREEITEM parent, const std::string& prefix);
    std::vector<HTREEITEM> Children(HTREEITEM parent);
    // The middle of the item's text on screen, scrolled into view first.
    POINT ScreenPoint(HTREEITEM item);

private:
    HTREEITEM Next(HTREEITEM item, UINT how);
    void Walk(HTREEITEM first, int depth, std::vector<RemoteItem>& out);

    HWND tree_;
    HANDLE process_;
    BYTE* remote_ = nullptr;  // in the tree's process
};

}  // namespace journey

#endif
