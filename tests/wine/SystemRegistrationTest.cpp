// The registration and the registry utilities against Wine's real registry and
// WIN.INI, in the test prefix that is private to the build tree.

#include <windows.h>
#include <sddl.h>

#include "TestSupport.h"
#include "system/EntryTexts.h"
#include "system/FileBytes.h"
#include "system/IniFiles.h"
#include "system/Registration.h"
#include "system/Registry.h"
#include "system/WindowsShell.h"

namespace {

using Texts = std::vector<std::string>;
const HKEY HKLM = HKEY_LOCAL_MACHINE;
const HKEY HKCR = HKEY_CLASSES_ROOT;

class Registration : public ::testing::Test {
protected:
    void SetUp() override { Wipe(); }  // other tests start the program, which registers itself
    void TearDown() override { Wipe(); }
    static void Wipe()
    {
        for (const char* key : {kAppPathsKey, kUninstallKey})
            ::RegDeleteTreeA(HKLM, key);
        ::RegDeleteKeyValueA(HKLM, kHelpKey, kHelpValue);
        ::RegDeleteTreeA(HKCR, kClassName);
        for (const std::string ext : kPictureExtensions) {
            ::RegDeleteTreeA(HKCR, ext.c_str());
            ::RegDeleteKeyValueA(HKLM, kExtensionsKey, ext.c_str());
            ::WritePrivateProfileStringA("Extensions", ext.c_str() + 1, nullptr, "WIN.INI");
        }
    }

    // The class of an extension, and its command in the extension list and in WIN.INI.
    static Texts EntriesOf(const std::string& ext)
    {
        return {ReadRegString(HKCR, ext, ""), ReadRegString(HKLM, kExtensionsKey, ext),
                ReadIniString("WIN.INI", "Extensions", ext.substr(1))};
    }
};

} // namespace

// Every entry names the program where it lies, and its help file while that
// exists; a start from elsewhere moves them along (the shared help key stays).
// Free extensions and those whose default text names the program's class in
// any case, read-only or not, are claimed; others, also with a default of no
// text type, keep their entries through the uninstall, which also takes the
// lines an older system left in WIN.INI itself.
TEST_F(Registration, EntriesNameTheProgramAndClaimOnlyFreeExtensionsAndThoseOfItsOwnClass)
{
    const std::string winIni = GetWindowsDir() + "\\win.ini";
    const std::optional<std::string> original = ReadFileBytes(winIni);
    ASSERT_TRUE(WriteFileBytes(winIni, "[extensions]\r\nbmp=C:\\OLD\\LUMSC32.EXE ^.BMP\r\nTXT=NOTEPAD.EXE ^.TXT\r\n"));
    ASSERT_TRUE(WriteRegString(HKCR, ".ICO", "", "Other.Picture"));
    // Everyone may read (and delete, for the clean-up) but not write: what a
    // standard user meets under HKCR.
    ASSERT_TRUE(WriteRegString(HKCR, ".BMP", "", "lUMOSCOPE32"));
    PSECURITY_DESCRIPTOR readAndDelete = nullptr;
    ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;0x30019;;;WD)", SDDL_REVISION_1,
                                                                      &readAndDelete, nullptr));
    HKEY opened = nullptr;
    ::RegOpenKeyExA(HKCR, ".BMP", 0, KEY_ALL_ACCESS, &opened);
    ::RegSetKeySecurity(UniqueRegKey(opened).get(), DACL_SECURITY_INFORMATION, readAndDelete);
    ::LocalFree(readAndDelete);
    ASSERT_EQ(::RegOpenKeyExA(HKCR, ".BMP", 0, KEY_ALL_ACCESS, &opened), ERROR_ACCESS_DENIED);
    ASSERT_EQ(::RegSetKeyValueA(HKCR, ".PCX", nullptr, REG_BINARY, "Lumoscope32", 12), ERROR_SUCCESS);
    ASSERT_TRUE(WriteRegString(HKCR, ".PCX\\ShellNew", "NullFile", ""));
    ScratchFolder scratch("lumo-registration");
    scratch.File("LUMSC32.HLP");
    WriteSystemEntries(LocateProgram(scratch / "LUMSC32.EXE"));
    EXPECT_EQ(ReadRegString(HKLM, kHelpKey, kHelpValue), scratch.Path());

    const std::string moved = "D:\\Program Files\\Lumo\\LUMSC32.EXE";
    WriteSystemEntries(LocateProgram(moved));
    EXPECT_EQ((Texts{ReadRegString(HKLM, kAppPathsKey, ""), ReadRegString(HKLM, kAppPathsKey, "Path"),
                     ReadRegString(HKLM, kUninstallKey, "DisplayName"), ReadRegString(HKLM, kUninstallKey, "UninstallString"),
                     ReadRegString(HKCR, "Lumoscope32", ""), ReadRegString(HKCR, "Lumoscope32\\shell\\open\\command", ""),
                     ReadRegString(HKCR, "Lumoscope32", "Version")}),
              (Texts{moved, "D:\\Program Files\\Lumo", "Lumoscope 1.1 -32", "\"" + moved + "\" -u",
                     "Lumoscope Picture File", "\"" + moved + "\" \"%1\"", "1.1"}));
    EXPECT_FALSE(::RegGetValueA(HKLM, kHelpKey, kHelpValue, RRF_RT_ANY, nullptr, nullptr, nullptr) == ERROR_SUCCESS);
    EXPECT_TRUE(RegKeyExists(HKLM, kHelpKey));
    for (const std::string ext : {".GIF", ".JPG", ".TIF", ".WMF"})
        EXPECT_EQ(EntriesOf(ext), (Texts{"Lumoscope32", moved + " ^" + ext, moved + " ^" + ext})) << ext;
    EXPECT_EQ(EntriesOf(".BMP"), (Texts{"lUMOSCOPE32", moved + " ^.BMP", moved + " ^.BMP"}));
    EXPECT_EQ(EntriesOf(".ICO"), (Texts{"Other.Picture", "", ""}));
    EXPECT_EQ(EntriesOf(".PCX"), Texts(3));

    RemoveSystemEntries();
    EXPECT_EQ(EntriesOf(".ICO"), (Texts{"Other.Picture", "", ""}));
    EXPECT_TRUE(RegKeyExists(HKCR, ".PCX\\ShellNew"));
    EXPECT_EQ((std::vector<Texts>{EntriesOf(".BMP"), EntriesOf(".WMF")}), std::vector<Texts>(2, Texts(3)));
    EXPECT_FALSE(RegKeyExists(HKCR, ".BMP") || RegKeyExists(HKCR, ".WMF"));
    EXPECT_FALSE(RegKeyExists(HKLM, kAppPathsKey) || RegKeyExists(HKLM, kUninstallKey) || RegKeyExists(HKCR, kClassName));
    EXPECT_EQ(ReadFileBytes(winIni), "[extensions]\r\nTXT=NOTEPAD.EXE ^.TXT\r\n");
    WriteFileBytes(winIni, original.value_or(""));
}

TEST(RegistryUtilities, DeleteAKeyWithEverythingBelowButNeverARoot)
{
    const std::string key = "Software\\Lumoscope32 registry test";
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, key + "\\shell\\open", "", "x"));
    EXPECT_FALSE(DeleteRegKey(HKEY_CURRENT_USER, ""));
    EXPECT_TRUE(DeleteRegKey(HKEY_CURRENT_USER, key));
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, key));
}
