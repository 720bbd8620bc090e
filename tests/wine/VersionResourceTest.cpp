// The version resources of the shipped files, read the way the file
// properties read them.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "Version.h"

namespace {

class VersionResource {
public:
    explicit VersionResource(const std::string& path) : block_(::GetFileVersionInfoSizeA(path.c_str(), nullptr))
    {
        if (!::GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(block_.size()), block_.data()))
            block_.clear();
    }

    const VS_FIXEDFILEINFO* Fixed() const { return static_cast<const VS_FIXEDFILEINFO*>(Query("\\")); }

    // A text of the first language the resource lists.
    std::string Text(const std::string& name) const
    {
        const auto* language = static_cast<const WORD*>(Query("\\VarFileInfo\\Translation"));
        char path[32] = {};
        if (language)
            ::wsprintfA(path, "\\StringFileInfo\\%04x%04x\\", language[0], language[1]);
        const char* text = language ? static_cast<const char*>(Query(path + name)) : nullptr;
        return text ? text : "";
    }

private:
    const void* Query(const std::string& path) const
    {
        void* value = nullptr;
        UINT length = 0;
        bool found = !block_.empty() && ::VerQueryValueA(block_.data(), path.c_str(), &value, &length) && length;
        return found ? value : nullptr;
    }

    std::vector<char> block_;
};

} // namespace

TEST(VersionResource, ShowsTheProductItsVersionAndTheFileInEveryShippedFile)
{
    const std::string program = LUMO_PROGRAM_PATH;
    const std::string folder = program.substr(0, program.find_last_of("/\\") + 1);
    for (const char* name : {"LUMSC32.EXE", "PICDEC32.DLL", "LMUNINST.EXE"}) {
        SCOPED_TRACE(name);
        VersionResource resource(folder + name);
        ASSERT_TRUE(resource.Fixed());
        EXPECT_EQ(resource.Fixed()->dwFileVersionMS, static_cast<DWORD>(MAKELONG(LUMO_VERSION_MINOR, LUMO_VERSION_MAJOR)));
        EXPECT_EQ(resource.Fixed()->dwProductVersionMS, resource.Fixed()->dwFileVersionMS);
        EXPECT_EQ(resource.Text("FileVersion"), LUMO_VERSION_TEXT);
        EXPECT_EQ(resource.Text("ProductVersion"), LUMO_VERSION_TEXT);
        EXPECT_EQ(resource.Text("ProductName"), "Lumoscope32");
        EXPECT_EQ(resource.Text("OriginalFilename"), name);
        EXPECT_NE(resource.Text("FileDescription").find("Lumoscope32 "), std::string::npos);
    }
}
