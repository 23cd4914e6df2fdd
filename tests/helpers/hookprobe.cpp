// hookprobe: maps korvhook.dll in a process of its own.
//   hookprobe dump FILE           writes the 13 shared words as text to FILE
//   hookprobe set L T W H L2 T2 W2 H2   calls setMyRect and setMyRect2
//   hookprobe install WATCHED FILE creates a window, calls setMyHook(window, WATCHED),
//                                 writes its result to FILE, then runs until it is killed
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "hooklib/korvhook.h"

static LONG* Shared()
{
    BYTE* base = reinterpret_cast<BYTE*>(GetModuleHandleA("korvhook.dll"));
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    IMAGE_SECTION_HEADER* sec = IMAGE_FIRST_SECTION(nt);
    for (unsigned i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++sec)
        if (memcmp(sec->Name, ".BLAZKT", 8) == 0)
            return reinterpret_cast<LONG*>(base + sec->VirtualAddress);
    return nullptr;
}

int main(int argc, char** argv)
{
    if (argc >= 3 && strcmp(argv[1], "dump") == 0) {
        FILE* f = fopen(argv[2], "wb");
        if (!f) return 2;
        for (int i = 0; i < 13; ++i) fprintf(f, "%ld\n", Shared()[i]);
        fclose(f);
        return 0;
    }
    if (argc >= 10 && strcmp(argv[1], "set") == 0) {
        setMyRect(atoi(argv[2]), atoi(argv[3]), atoi(argv[4]), atoi(argv[5]));
        setMyRect2(atoi(argv[6]), atoi(argv[7]), atoi(argv[8]), atoi(argv[9]));
        return 0;
    }
    if (argc >= 4 && strcmp(argv[1], "install") == 0) {
        HWND w = CreateWindowExA(0, "STATIC", "hookprobe", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
        int ok = setMyHook((int)(INT_PTR)w, atoi(argv[2]));
        FILE* f = fopen(argv[3], "wb");
        if (f) { fprintf(f, "%d\n", ok); fclose(f); }
        MSG msg;
        while (GetMessageA(&msg, NULL, 0, 0) > 0) DispatchMessageA(&msg);
        return 0;
    }
    return 1;
}
