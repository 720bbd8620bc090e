// The resources of the shipped files, read the way the shell reads them.
#include <gtest/gtest.h>

#include <windows.h>

#include "Version.h"
#include "framework/Handles.h"

// The version texts as the file properties show them (those of the first
// language listed). Both programs run as the invoker: else Windows would send
// a standard user's registry writes to a virtual store instead of failing them.
TEST(ProgramResources, EveryShippedFileNamesItselfAndItsVersionAndTheProgramsRunAsTheInvoker)
{
    const std::string built = LUMO_PROGRAM_PATH, folder = built.substr(0, built.find_last_of("/\\") + 1);
    for (const std::string name : {"LUMSC32.EXE", "PICDEC32.DLL", "LMUNINST.EXE"}) {
        SCOPED_TRACE(name);
        std::vector<char> block(::GetFileVersionInfoSizeA((folder + name).c_str(), nullptr) + 1);
        ASSERT_TRUE(::GetFileVersionInfoA((folder + name).c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
        auto value = [&](const std::string& path) {
            void* found = nullptr;
            UINT length = 0;
            return ::VerQueryValueA(block.data(), path.c_str(), &found, &length) && length ? found : nullptr;
        };
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value("\\"));
        const auto* language = static_cast<const WORD*>(value("\\VarFileInfo\\Translation"));
        ASSERT_TRUE(fixed && language);
        EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(MAKELONG(LUMO_VERSION_MINOR, LUMO_VERSION_MAJOR)));
        EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
        char prefix[32];
        ::wsprintfA(prefix, "\\StringFileInfo\\%04x%04x\\", language[0], language[1]);
        auto text = [&](const char* key) {
            const auto* found = static_cast<const char*>(value(prefix + std::string(key)));
            return std::string(found ? found : "");
        };
        EXPECT_EQ((std::vector<std::string>{text("FileVersion"), text("ProductVersion"), text("ProductName"),
                                            text("OriginalFilename"), text("FileDescription").substr(0, 12)}),
                  (std::vector<std::string>{LUMO_VERSION_TEXT, LUMO_VERSION_TEXT, "Lumoscope32", name, "Lumoscope32 "}));

        UniqueModule module(::LoadLibraryExA((folder + name).c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE));
        HRSRC found = ::FindResourceA(module.get(), MAKEINTRESOURCEA(1), RT_MANIFEST);
        const char* bytes = found ? static_cast<const char*>(::LockResource(::LoadResource(module.get(), found))) : "";
        const std::string manifest(bytes, found ? ::SizeofResource(module.get(), found) : 0);
        EXPECT_EQ(manifest.find("<requestedExecutionLevel level=\"asInvoker\"") != std::string::npos,
                  name != "PICDEC32.DLL");
    }
}
