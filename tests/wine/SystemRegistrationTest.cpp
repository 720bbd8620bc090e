// The registration against Wine's real registry and WIN.INI. The test prefix
// is private to the build tree and has none of these entries of its own, so
// every test starts from and leaves a state without them.

#include <windows.h>
#include <sddl.h>

#include <map>
#include <optional>

#include "TestSupport.h"
#include "system/EntryTexts.h"
#include "system/ProgramPaths.h"
#include "system/Registration.h"
#include "system/Registry.h"

namespace {

const HKEY HKLM = HKEY_LOCAL_MACHINE;
const HKEY HKCR = HKEY_CLASSES_ROOT;
const std::string kProgram = "C:\\APPS\\LUMSC32.EXE";
const char* const kExtensions[] = {"BMP", "GIF", "ICO", "JPG", "PCX", "TIF", "WMF"};

// A REG_SZ value as stored; nothing when missing or of another type.
std::optional<std::string> StoredText(HKEY root, const std::string& key, const char* name)
{
    char text[1024];
    DWORD size = sizeof text;
    if (::RegGetValueA(root, key.c_str(), name, RRF_RT_REG_SZ | RRF_NOEXPAND, nullptr, text, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(text);
}

std::optional<std::string> WinIniExtension(const char* ext)
{
    char text[1024];
    ::GetPrivateProfileStringA("Extensions", ext, "\x01", text, sizeof text, "WIN.INI");
    return std::string(text) == "\x01" ? std::nullopt : std::optional<std::string>(text);
}

// A key with a default value that everyone may read (and delete, for the
// clean-up) but not write: what a standard user meets under HKCR.
void MakeReadOnlyKey(HKEY root, const std::string& key, const char* defaultValue)
{
    ASSERT_TRUE(WriteRegString(root, key, "", defaultValue));
    HKEY opened = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(root, key.c_str(), 0, KEY_ALL_ACCESS, &opened), ERROR_SUCCESS);
    UniqueRegKey owner(opened);
    PSECURITY_DESCRIPTOR readAndDelete = nullptr;
    ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;0x30019;;;WD)", SDDL_REVISION_1,
                                                                      &readAndDelete, nullptr));
    const LONG set = ::RegSetKeySecurity(opened, DACL_SECURITY_INFORMATION, readAndDelete);
    ::LocalFree(readAndDelete);
    ASSERT_EQ(set, ERROR_SUCCESS);
    owner.reset();
    ASSERT_EQ(::RegOpenKeyExA(root, key.c_str(), 0, KEY_ALL_ACCESS, &opened), ERROR_ACCESS_DENIED) << key;
}

void WipeEntries()
{
    for (const char* key : {kAppPathsKey, kUninstallKey})
        ::RegDeleteTreeA(HKLM, key);
    ::RegDeleteKeyValueA(HKLM, kHelpKey, kHelpValue);
    ::RegDeleteTreeA(HKCR, kClassName);
    for (const char* ext : kExtensions) {
        ::RegDeleteTreeA(HKCR, (std::string(".") + ext).c_str());
        ::RegDeleteKeyValueA(HKLM, kExtensionsKey, (std::string(".") + ext).c_str());
        ::WritePrivateProfileStringA("Extensions", ext, nullptr, "WIN.INI");
    }
}

// Every value and subkey below a key, as "path\name=type:data" lines.
void CollectTree(HKEY root, const std::string& key, std::map<std::string, std::string>& out)
{
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return;
    UniqueRegKey owner(opened);
    char name[256];
    BYTE data[1024];
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
        if (::RegEnumValueA(opened, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS)
            break;
        out[key + "\\" + name] = std::to_string(type) + ":" + std::string(reinterpret_cast<char*>(data), dataSize);
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof name;
        if (::RegEnumKeyExA(opened, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        out[key + "\\" + name + "\\"] = "key";
        CollectTree(root, key + "\\" + name, out);
    }
}

std::map<std::string, std::string> EverythingRegistered()
{
    std::map<std::string, std::string> all;
    CollectTree(HKLM, kAppPathsKey, all);
    CollectTree(HKLM, kHelpKey, all);
    CollectTree(HKLM, kUninstallKey, all);
    CollectTree(HKLM, kExtensionsKey, all);
    CollectTree(HKCR, kClassName, all);
    for (const char* ext : kExtensions)
        CollectTree(HKCR, std::string(".") + ext, all);
    std::string section(32768, '\0');
    section.resize(::GetPrivateProfileSectionA("Extensions", section.data(), static_cast<DWORD>(section.size()),
                                               "WIN.INI"));
    all["WIN.INI [Extensions]"] = section;
    return all;
}

class Registration : public ::testing::Test {
protected:
    void SetUp() override { WipeEntries(); }
    void TearDown() override { WipeEntries(); }

    static void ExpectClaimed(const char* ext, const std::string& program)
    {
        const std::string dotted = std::string(".") + ext;
        const std::string command = program + " ^." + ext;
        EXPECT_EQ(StoredText(HKCR, dotted, nullptr), "Lumoscope32") << ext;
        EXPECT_EQ(StoredText(HKLM, kExtensionsKey, dotted.c_str()), command) << ext;
        EXPECT_EQ(WinIniExtension(ext), command) << ext;
    }

    static void ExpectUntouched(const char* ext)
    {
        const std::string dotted = std::string(".") + ext;
        EXPECT_FALSE(StoredText(HKLM, kExtensionsKey, dotted.c_str())) << ext;
        EXPECT_FALSE(WinIniExtension(ext)) << ext;
    }
};

} // namespace

TEST_F(Registration, FirstStartWritesEveryEntry)
{
    WriteSystemEntries(LocateProgram(kProgram));
    EXPECT_EQ(StoredText(HKLM, kAppPathsKey, nullptr), kProgram);
    EXPECT_EQ(StoredText(HKLM, kAppPathsKey, "Path"), "C:\\APPS");
    EXPECT_FALSE(StoredText(HKLM, kHelpKey, "LUMSC32.HLP"));  // C:\APPS\LUMSC32.HLP does not exist
    EXPECT_EQ(StoredText(HKLM, kUninstallKey, "DisplayName"), "Lumoscope 1.1 -32");
    EXPECT_EQ(StoredText(HKLM, kUninstallKey, "UninstallString"), "\"C:\\APPS\\LUMSC32.EXE\" -u");
    EXPECT_EQ(StoredText(HKCR, "Lumoscope32", nullptr), "Lumoscope Picture File");
    EXPECT_EQ(StoredText(HKCR, "Lumoscope32\\shell\\open\\command", nullptr), "\"C:\\APPS\\LUMSC32.EXE\" \"%1\"");
    EXPECT_EQ(StoredText(HKCR, "Lumoscope32", "Version"), "1.1");
    for (const char* ext : kExtensions)
        ExpectClaimed(ext, kProgram);
    EXPECT_EQ(WinIniExtension("BMP"), "C:\\APPS\\LUMSC32.EXE ^.BMP");
}

TEST_F(Registration, ASecondStartAddsNothingAndAMovedProgramUpdatesItsPaths)
{
    WriteSystemEntries(LocateProgram(kProgram));
    const auto first = EverythingRegistered();
    WriteSystemEntries(LocateProgram(kProgram));
    EXPECT_EQ(EverythingRegistered(), first);

    const std::string moved = "D:\\Program Files\\Lumo\\LUMSC32.EXE";
    WriteSystemEntries(LocateProgram(moved));
    const auto afterMove = EverythingRegistered();
    EXPECT_EQ(afterMove.size(), first.size());
    EXPECT_EQ(StoredText(HKLM, kAppPathsKey, "Path"), "D:\\Program Files\\Lumo");
    EXPECT_EQ(StoredText(HKCR, "Lumoscope32\\shell\\open\\command", nullptr), "\"" + moved + "\" \"%1\"");
    for (const char* ext : kExtensions)
        ExpectClaimed(ext, moved);
}

// An extension is the program's own when its key is missing or its default
// text names the program's class in any case, even where the key may only be
// read. Every other keeps its entries through registration and uninstall.
TEST_F(Registration, ClaimsOnlyFreeExtensionsAndThoseOfItsOwnClass)
{
    const std::string foreign = "C:\\OTHER\\VIEW.EXE ^.GIF";
    ASSERT_TRUE(WriteRegString(HKCR, ".GIF", "", "Other.Picture"));
    ASSERT_TRUE(WriteRegString(HKLM, kExtensionsKey, ".GIF", foreign));
    ASSERT_TRUE(::WritePrivateProfileStringA("Extensions", "GIF", foreign.c_str(), "WIN.INI"));
    ASSERT_TRUE(WriteRegString(HKCR, ".JPG", "", "lUMOSCOPE32"));
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKCR, ".PCX\\ShellNew", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ::RegCloseKey(key);
    const DWORD number = 7;
    ASSERT_EQ(::RegSetKeyValueA(HKCR, ".TIF", nullptr, REG_DWORD, &number, sizeof number), ERROR_SUCCESS);
    MakeReadOnlyKey(HKCR, ".ICO", "Other.Picture");
    MakeReadOnlyKey(HKCR, ".BMP", "Lumoscope32");
    auto expectForeignGif = [&] {
        EXPECT_EQ(StoredText(HKCR, ".GIF", nullptr), "Other.Picture");
        EXPECT_EQ(StoredText(HKLM, kExtensionsKey, ".GIF"), foreign);
        EXPECT_EQ(WinIniExtension("GIF"), foreign);
    };

    WriteSystemEntries(LocateProgram(kProgram));
    for (const char* ext : {"BMP", "JPG", "WMF"})
        ExpectClaimed(ext, kProgram);
    for (const char* ext : {"ICO", "PCX", "TIF"})
        ExpectUntouched(ext);
    expectForeignGif();
    EXPECT_FALSE(StoredText(HKCR, ".PCX", nullptr));
    EXPECT_FALSE(StoredText(HKCR, ".TIF", nullptr));

    ASSERT_TRUE(WriteRegString(HKCR, ".JPG", "", "LUMOSCOPE32"));
    RemoveSystemEntries();
    EXPECT_FALSE(RegKeyExists(HKLM, kAppPathsKey));
    EXPECT_FALSE(RegKeyExists(HKLM, kUninstallKey));
    EXPECT_FALSE(RegKeyExists(HKCR, "Lumoscope32"));
    for (const char* ext : {"JPG", "WMF"})
        EXPECT_FALSE(RegKeyExists(HKCR, std::string(".") + ext)) << ext;
    for (const char* ext : {"BMP", "ICO", "JPG", "PCX", "TIF", "WMF"})
        ExpectUntouched(ext);
    EXPECT_TRUE(RegKeyExists(HKCR, ".PCX\\ShellNew"));
    EXPECT_TRUE(RegKeyExists(HKCR, ".TIF"));
    expectForeignGif();
}

TEST_F(Registration, TheHelpValueIsWrittenOrRemovedWithTheHelpFile)
{
    ScratchFolder scratch("lumo-registration");
    const ProgramLocation program = LocateProgram((scratch / "LUMSC32.EXE"));
    UniqueFile help(::CreateFileA(program.helpFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(help);
    help.reset();

    WriteSystemEntries(program);
    EXPECT_EQ(StoredText(HKLM, kHelpKey, "LUMSC32.HLP"), scratch.Path());

    ::DeleteFileA(program.helpFile.c_str());
    WriteSystemEntries(program);
    EXPECT_FALSE(StoredText(HKLM, kHelpKey, "LUMSC32.HLP"));
    EXPECT_TRUE(RegKeyExists(HKLM, kHelpKey));
}

TEST_F(Registration, TheRunningProgramRegistersItsOwnFile)
{
    const ProgramLocation program = ThisProgram();
    WriteSystemEntries(program);
    char module[MAX_PATH];
    ::GetModuleFileNameA(nullptr, module, MAX_PATH);
    EXPECT_EQ(program.path, module);
    EXPECT_EQ(program.dir + "\\" + "wine_tests.exe", module);
    EXPECT_EQ(program.helpFile, program.dir + "\\LUMSC32.HLP");
    EXPECT_EQ(StoredText(HKLM, kAppPathsKey, nullptr), module);
    EXPECT_EQ(StoredText(HKLM, kAppPathsKey, "Path"), program.dir);
    ExpectClaimed("WMF", module);
}
