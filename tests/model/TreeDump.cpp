#include "model/TreeDump.h"

#include <cstdio>

std::ostream& operator<<(std::ostream& os, const ItemRow& r)
{
    return os << std::string(r.depth * 2, ' ') << r.text << " [" << r.image << "/" << r.selectedImage << "]"
              << (r.param ? " param" : "");
}

ItemRow ReadItem(HWND tree, HTREEITEM item, int depth)
{
    char buf[1024] = "";
    TVITEMA it = {};
    it.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    it.hItem = item;
    it.pszText = buf;
    it.cchTextMax = sizeof buf;
    SendMessageA(tree, TVM_GETITEMA, 0, (LPARAM)&it);
    return ItemRow{depth, it.pszText ? it.pszText : "", it.iImage, it.iSelectedImage, it.lParam};
}

std::vector<HTREEITEM> Children(HWND tree, HTREEITEM parent)
{
    std::vector<HTREEITEM> out;
    HTREEITEM c = parent ? TreeView_GetChild(tree, parent) : TreeView_GetRoot(tree);
    for (; c; c = TreeView_GetNextSibling(tree, c))
        out.push_back(c);
    return out;
}

static void Dump(HWND tree, HTREEITEM parent, int depth, std::vector<ItemRow>& out)
{
    for (HTREEITEM c : Children(tree, parent)) {
        out.push_back(ReadItem(tree, c, depth));
        Dump(tree, c, depth + 1, out);
    }
}

std::vector<ItemRow> DumpTree(HWND tree)
{
    std::vector<ItemRow> out;
    Dump(tree, nullptr, 0, out);
    return out;
}

std::vector<ItemRow> DumpChildren(HWND tree, HTREEITEM parent)
{
    std::vector<ItemRow> out;
    for (HTREEITEM c : Children(tree, parent))
        out.push_back(ReadItem(tree, c, 0));
    return out;
}

std::string ItemText(HWND tree, HTREEITEM item)
{
    return ReadItem(tree, item, 0).text;
}

HTREEITEM FindChild(HWND tree, HTREEITEM parent, const std::string& prefix)
{
    for (HTREEITEM c : Children(tree, parent))
        if (ItemText(tree, c).compare(0, prefix.size(), prefix) == 0)
            return c;
    return nullptr;
}

std::string Hex8(UINT_PTR v)
{
    char buf[16];
    snprintf(buf, sizeof buf, "%08X", (unsigned)v);
    return buf;
}
