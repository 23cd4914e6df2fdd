#include "journey/RemoteTree.h"

namespace journey {

namespace {

// The buffer in the other process: the item record, then the text.
const size_t kTextOffset = 256;
const size_t kTextMax = 4096;
const size_t kBufferSize = kTextOffset + kTextMax;

}  // namespace

RemoteTree::RemoteTree(HWND tree, HANDLE process) : tree_(tree), process_(process)
{
    remote_ = (BYTE*)VirtualAllocEx(process, nullptr, kBufferSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteTree::~RemoteTree()
{
    if (remote_)
        VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
}

HTREEITEM RemoteTree::Next(HTREEITEM item, UINT how)
{
    return (HTREEITEM)SendMessageA(tree_, TVM_GETNEXTITEM, how, (LPARAM)item);
}

std::vector<HTREEITEM> RemoteTree::Children(HTREEITEM parent)
{
    std::vector<HTREEITEM> out;
    for (HTREEITEM c = parent ? Next(parent, TVGN_CHILD) : Next(nullptr, TVGN_ROOT); c; c = Next(c, TVGN_NEXT))
        out.push_back(c);
    return out;
}

std::string RemoteTree::Text(HTREEITEM item)
{
    TVITEMA tv = {};
    tv.mask = TVIF_TEXT | TVIF_HANDLE;
    tv.hItem = item;
    tv.pszText = (LPSTR)(remote_ + kTextOffset);
    tv.cchTextMax = (int)kTextMax;
    SIZE_T n = 0;
    const char empty = 0;
    if (!WriteProcessMemory(process_, remote_, &tv, sizeof tv, &n) ||
        !WriteProcessMemory(process_, remote_ + kTextOffset, &empty, 1, &n))
        return "(unreadable)";
    if (!SendMessageA(tree_, TVM_GETITEMA, 0, (LPARAM)remote_))
        return "(no item)";
    // The control may hand back a pointer of its own instead of filling ours.
    if (!ReadProcessMemory(process_, remote_, &tv, sizeof tv, &n))
        return "(unreadable)";
    std::string text(kTextMax, '\0');
    if (!ReadProcessMemory(process_, tv.pszText, &text[0], kTextMax, &n))
        return "(unreadable)";
    text.resize(strnlen(text.c_str(), kTextMax));
    return text;
}

void RemoteTree::Walk(HTREEITEM first, int depth, std::vector<RemoteItem>& out)
{
    for (HTREEITEM i = first; i; i = Next(i, TVGN_NEXT)) {
        out.push_back({i, depth, Text(i)});
        Walk(Next(i, TVGN_CHILD), depth + 1, out);
    }
}

std::vector<RemoteItem> RemoteTree::Items()
{
    std::vector<RemoteItem> out;
    Walk(Next(nullptr, TVGN_ROOT), 0, out);
    return out;
}

HTREEITEM RemoteTree::FindChild(HTREEITEM parent, const std::string& prefix)
{
    for (HTREEITEM c : Children(parent))
        if (Text(c).compare(0, prefix.size(), prefix) == 0)
            return c;
    return nullptr;
}

POINT RemoteTree::ScreenPoint(HTREEITEM item)
{
    SendMessageA(tree_, TVM_ENSUREVISIBLE, 0, (LPARAM)item);
    RECT r = {};
    memcpy(&r, &item, sizeof item);  // the item goes in, its rectangle comes out
    SIZE_T n = 0;
    WriteProcessMemory(process_, remote_, &r, sizeof r, &n);
    SendMessageA(tree_, TVM_GETITEMRECT, TRUE, (LPARAM)remote_);
    ReadProcessMemory(process_, remote_, &r, sizeof r, &n);
    POINT p = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(tree_, &p);
    return p;
}

}  // namespace journey
