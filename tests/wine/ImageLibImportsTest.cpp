// How the program binds the image library's entries.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <set>

#include "imagelib/ImageLib.h"
#include "imagelib/PicDec32.h"

namespace {

// The ordinals by which this program imports from a DLL; 0 for each import by name.
std::set<unsigned> ImportedOrdinals(const char* dllName)
{
    auto* base = reinterpret_cast<std::uint8_t*>(::GetModuleHandleA(nullptr));
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const auto& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::set<unsigned> ordinals;
    for (auto* import = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         import->Name; ++import) {
        if (::lstrcmpiA(reinterpret_cast<const char*>(base + import->Name), dllName) != 0)
            continue;
        for (auto* lookup = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + import->OriginalFirstThunk);
             lookup->u1.Ordinal; ++lookup)
            ordinals.insert(IMAGE_SNAP_BY_ORDINAL(lookup->u1.Ordinal) ? IMAGE_ORDINAL(lookup->u1.Ordinal) : 0);
    }
    return ordinals;
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
    EXPECT_EQ(ImportedOrdinals("PICDEC32.DLL"), (std::set<unsigned>{1, 5, 7, 8, 15, 17, 25}));
}
