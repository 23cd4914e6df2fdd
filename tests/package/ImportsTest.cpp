// The two files run on a Windows machine with nothing else installed: they
// import only the system's own libraries, and each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "support/bench.h"

namespace {

std::set<std::string> ImportedDlls(const std::string& path)
{
    std::string bytes = bench::ReadFileBytes(path);
    std::set<std::string> out;
    if (bytes.size() < sizeof(IMAGE_DOS_HEADER)) return out;
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        bytes.data() + reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data())->e_lfanew);
    const IMAGE_SECTION_HEADER* sec = IMAGE_FIRST_SECTION(nt);
    auto at = [&](DWORD rva) -> const char* {
        for (unsigned i = 0; i < nt->FileHeader.NumberOfSections; ++i)
            if (rva >= sec[i].VirtualAddress && rva < sec[i].VirtualAddress + sec[i].SizeOfRawData)
                return bytes.data() + sec[i].PointerToRawData + (rva - sec[i].VirtualAddress);
        return nullptr;
    };
    DWORD rva = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(at(rva)); d && d->Name; ++d) {
        std::string name = at(d->Name);
        std::transform(name.begin(), name.end(), name.begin(), ::tolower);
        out.insert(name);
    }
    return out;
}

TEST(ReleaseFiles, ImportOnlySystemLibrariesAndEachOther)
{
    const std::set<std::string> system = {
        "kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "comctl32.dll", "comdlg32.dll",
        "ole32.dll", "shell32.dll", "shlwapi.dll", "msvcrt.dll"};
    struct Case { const char* file; const char* mustImport; } cases[] = {
        {"Korvane.exe", "korvhook.dll"},
        {"korvhook.dll", "user32.dll"},
    };
    for (const Case& c : cases) {
        std::set<std::string> dlls = ImportedDlls(bench::ExeDir() + c.file);
        ASSERT_FALSE(dlls.empty()) << c.file << " has no import table";
        EXPECT_TRUE(dlls.count(c.mustImport)) << c.file << " does not import " << c.mustImport;
        for (const std::string& dll : dlls)
            EXPECT_TRUE(system.count(dll) || dll == "korvhook.dll")
                << c.file << " imports " << dll << ", which a plain Windows machine does not have";
    }
}

}  // namespace
