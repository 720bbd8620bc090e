#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

#include "framework/Handles.h"

namespace {

// The characteristics of the file's PE header.
WORD ImageCharacteristics(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    IMAGE_DOS_HEADER dos{};
    IMAGE_NT_HEADERS nt{};
    file.read(reinterpret_cast<char*>(&dos), sizeof dos);
    file.seekg(dos.e_lfanew).read(reinterpret_cast<char*>(&nt), sizeof nt);
    return nt.Signature == IMAGE_NT_SIGNATURE ? nt.FileHeader.Characteristics : 0;
}

} // namespace

// The file properties show the texts of the first language listed. Both
// programs run as the invoker: else Windows would send a standard user's
// registry writes to a virtual store of its own instead of failing them.
// Both take the whole address space Windows offers a program of their kind.
TEST(ProgramResources, EveryShippedFileNamesItselfAndTheProgramsRunAsTheInvokerWithTheWholeAddressSpace)
{
    const std::string built = LUMO_PROGRAM_PATH, folder = built.substr(0, built.find_last_of("/\\") + 1);
    for (const std::string name : {"LUMSC32.EXE", "PICDEC32.DLL", "LMUNINST.EXE"}) {
        SCOPED_TRACE(name);
        std::vector<char> block(::GetFileVersionInfoSizeA((folder + name).c_str(), nullptr) + 1);
        ASSERT_TRUE(::GetFileVersionInfoA((folder + name).c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
        WORD* language = nullptr;
        char* text = nullptr;
        UINT length = 0;
        ASSERT_TRUE(::VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&language),
                                     &length));
        char path[64];
        ::wsprintfA(path, "\\StringFileInfo\\%04x%04x\\OriginalFilename", language[0], language[1]);
        ASSERT_TRUE(::VerQueryValueA(block.data(), path, reinterpret_cast<void**>(&text), &length));
        EXPECT_EQ(text, name);

        UniqueModule module(::LoadLibraryExA((folder + name).c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE));
        HRSRC found = ::FindResourceA(module.get(), MAKEINTRESOURCEA(1), RT_MANIFEST);
        const char* bytes = found ? static_cast<const char*>(::LockResource(::LoadResource(module.get(), found))) : "";
        const std::string manifest(bytes, found ? ::SizeofResource(module.get(), found) : 0);
        EXPECT_EQ(manifest.find("<requestedExecutionLevel level=\"asInvoker\"") != std::string::npos,
                  name != "PICDEC32.DLL");
        if (name != "PICDEC32.DLL") {
            EXPECT_TRUE(ImageCharacteristics(folder + name) & IMAGE_FILE_LARGE_ADDRESS_AWARE);
        }
    }
}
