// How the program binds the image library's entries.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <set>

#include "imagelib/ImageLib.h"
#include "imagelib/PicDec32.h"

namespace {

// Calls visit(name, ordinal) for each function this program imports from a
// DLL: the name (null when imported by ordinal), the ordinal (0 when
// imported by name).
template <typename Visit>
void ForEachImport(const char* dllName, Visit visit)
{
    auto* base = reinterpret_cast<std::uint8_t*>(::GetModuleHandleA(nullptr));
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const auto& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* import = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         import->Name; ++import) {
        if (::lstrcmpiA(reinterpret_cast<const char*>(base + import->Name), dllName) != 0)
            continue;
        auto* lookup = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + import->OriginalFirstThunk);
        for (; lookup->u1.Ordinal; ++lookup) {
            if (IMAGE_SNAP_BY_ORDINAL(lookup->u1.Ordinal))
                visit(nullptr, static_cast<unsigned>(IMAGE_ORDINAL(lookup->u1.Ordinal)));
            else
                visit(reinterpret_cast<const char*>(
                          reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + lookup->u1.AddressOfData)->Name),
                      0u);
        }
    }
}

} // namespace

// Each entry the binding declares is the library's export at its ordinal, so
// two entries swapped in the library's export list show.
TEST(ImageLibrary, ImportsEachEntryByItsOrdinal)
{
    HMODULE library = DecoderModule();
    ASSERT_NE(library, nullptr);
    auto address = [](auto entry) { return reinterpret_cast<const void*>(entry); };
    const std::pair<const void*, unsigned> entries[] = {
        {address(&PicInfo), 1},  {address(&ReadJpg), 5},  {address(&ReadGif), 7},  {address(&ReadPcx), 8},
        {address(&ReadBmp), 15}, {address(&ReadPng), 17}, {address(&ReadTif), 25},
    };
    for (auto [entry, ordinal] : entries)
        EXPECT_EQ(entry, address(::GetProcAddress(library, MAKEINTRESOURCEA(ordinal)))) << ordinal;
    std::set<unsigned> ordinals;
    bool anyByName = false;
    ForEachImport("PICDEC32.DLL", [&](const char* name, unsigned ordinal) {
        anyByName = anyByName || name;
        ordinals.insert(ordinal);
    });
    EXPECT_FALSE(anyByName);
    EXPECT_EQ(ordinals, (std::set<unsigned>{1, 5, 7, 8, 15, 17, 25}));
}
