#include "robustness/GuiObjects.h"

#include <winternl.h>

#include <vector>

namespace robust {

namespace {

// One entry of the GDI handle table: 24 bytes, its object type at byte 14
// (0 for a free slot), the owning process id in the low 16 bits at byte 8
// (0 in a table that belongs to one process).
const size_t kEntrySize = 24;
const size_t kTypeOffset = 14;
const size_t kOwnerOffset = 8;
const size_t kEntries = 0x10000;

long CountGdiInTable(HANDLE process, DWORD pid)
{
    PROCESS_BASIC_INFORMATION pbi = {};
    ULONG len = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &pbi, sizeof pbi, &len) != 0 ||
        !pbi.PebBaseAddress)
        return -1;
    const size_t tableField = sizeof(void*) == 8 ? 0xF8 : 0x94;
    void* table = nullptr;
    SIZE_T got = 0;
    if (!ReadProcessMemory(process, (BYTE*)pbi.PebBaseAddress + tableField, &table, sizeof table, &got) || !table)
        return -1;
    std::vector<BYTE> entries(kEntries * kEntrySize);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size(), &got))
        return -1;
    long n = 0;
    for (size_t i = 0; i < got / kEntrySize; ++i) {
        const BYTE* e = &entries[i * kEntrySize];
        const USHORT owner = *(const USHORT*)(e + kOwnerOffset);
        if (e[kTypeOffset] != 0 && (owner == 0 || owner == (USHORT)pid))
            ++n;
    }
    return n;
}

struct WindowCount {
    DWORD pid;
    long n;
};

BOOL CALLBACK CountChild(HWND, LPARAM lp)
{
    ++((WindowCount*)lp)->n;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND w, LPARAM lp)
{
    WindowCount* c = (WindowCount*)lp;
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == c->pid) {
        ++c->n;
        EnumChildWindows(w, CountChild, lp);
    }
    return TRUE;
}

}  // namespace

GuiObjects CountGuiObjects(HANDLE process, DWORD pid)
{
    GuiObjects r;
    const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(process, GR_USEROBJECTS);
    if (gdi && user) {
        r.gdi = (long)gdi;
        r.user = (long)user;
        r.fromSystem = true;
        return r;
    }
    r.gdi = CountGdiInTable(process, pid);
    WindowCount c = {pid, 0};
    EnumWindows(CountTopLevel, (LPARAM)&c);
    r.user = c.n;
    return r;
}

}  // namespace robust
