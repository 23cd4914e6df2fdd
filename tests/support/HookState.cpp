#include "support/bench.h"

#include <cstring>

namespace bench {

volatile HookWords* HookState()
{
    HMODULE mod = GetModuleHandleA("korvhook.dll");
    if (!mod)
        return nullptr;
    BYTE* base = reinterpret_cast<BYTE*>(mod);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    IMAGE_SECTION_HEADER* sec = IMAGE_FIRST_SECTION(nt);
    for (unsigned i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++sec)
        if (memcmp(sec->Name, ".BLAZKT", 8) == 0)
            return reinterpret_cast<volatile HookWords*>(base + sec->VirtualAddress);
    return nullptr;
}

}  // namespace bench
