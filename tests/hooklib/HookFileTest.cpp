// The library file as shipped: its export table and its shared section.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/bench.h"

namespace {

struct PeFile {
    std::string bytes;
    const IMAGE_NT_HEADERS* nt = nullptr;

    explicit PeFile(const std::string& path) : bytes(bench::ReadFileBytes(path))
    {
        if (bytes.size() < sizeof(IMAGE_DOS_HEADER)) return;
        auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
        nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(bytes.data() + dos->e_lfanew);
    }
    const IMAGE_SECTION_HEADER* Sections() const { return IMAGE_FIRST_SECTION(nt); }
    const IMAGE_SECTION_HEADER* Find(const char* name) const
    {
        for (unsigned i = 0; i < nt->FileHeader.NumberOfSections; ++i)
            if (strncmp(reinterpret_cast<const char*>(Sections()[i].Name), name, 8) == 0)
                return &Sections()[i];
        return nullptr;
    }
    // File offset of a relative virtual address.
    const char* At(DWORD rva) const
    {
        for (unsigned i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
            const IMAGE_SECTION_HEADER& s = Sections()[i];
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.SizeOfRawData)
                return bytes.data() + s.PointerToRawData + (rva - s.VirtualAddress);
        }
        return nullptr;
    }
};

TEST(HookLibraryFile, ExportsExactlyTheSevenFunctionsByUndecoratedName)
{
    PeFile pe(bench::ExeDir() + "korvhook.dll");
    ASSERT_NE(pe.nt, nullptr);
    const IMAGE_DATA_DIRECTORY& dir = pe.nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    ASSERT_NE(dir.VirtualAddress, 0u);
    auto* exp = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(pe.At(dir.VirtualAddress));
    ASSERT_NE(exp, nullptr);
    EXPECT_EQ(exp->NumberOfFunctions, 7u);
    std::set<std::string> names;
    auto* nameRvas = reinterpret_cast<const DWORD*>(pe.At(exp->AddressOfNames));
    for (DWORD i = 0; i < exp->NumberOfNames; ++i)
        names.insert(pe.At(nameRvas[i]));
    EXPECT_EQ(names, (std::set<std::string>{"setMyHook", "clearMyHook", "setMyRect", "setMyRect2",
                                            "setTreeVis", "setIsMenu", "setIsClip"}));
}

TEST(HookLibraryFile, SharedSectionHoldsThirteenZeroWords)
{
    PeFile pe(bench::ExeDir() + "korvhook.dll");
    ASSERT_NE(pe.nt, nullptr);
    const IMAGE_SECTION_HEADER* s = pe.Find(".BLAZKT");
    ASSERT_NE(s, nullptr) << "no .BLAZKT section";
    EXPECT_EQ(s->Characteristics, 0xD0000040u);  // initialised data, shared, read, write
    EXPECT_EQ(s->Misc.VirtualSize, 13u * 4u);
    ASSERT_GE(s->SizeOfRawData, 13u * 4u);
    const char* data = pe.bytes.data() + s->PointerToRawData;
    for (int i = 0; i < 13 * 4; ++i)
        EXPECT_EQ(data[i], 0) << "byte " << i;
}

}  // namespace
