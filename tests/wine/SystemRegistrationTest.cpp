// The registration and the registry utilities against Wine's real registry and
// WIN.INI, in the test prefix that is private to the build tree.

#include <windows.h>
#include <sddl.h>

#include "PreviewTestSupport.h"
#include "ProcessTestSupport.h"
#include "RegistryTestSupport.h"
#include "system/EntryTexts.h"
#include "text/PathText.h"
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
        for (const char* key : {kAppPathsKey, kUninstallKey, kApplicationKey})
            ::RegDeleteTreeA(HKLM, key);
        DeleteRegKey(HKLM, kProgramKey, KEY_WOW64_64KEY);
        DeleteRegValue(HKLM, kRegisteredApplicationsKey, kRegisteredName, KEY_WOW64_64KEY);
        ::RegDeleteKeyValueA(HKLM, kHelpKey, kHelpValue);
        ::RegDeleteTreeA(HKCR, kClassName);
        for (const WholePictureExtension& whole : kWholePictureExtensions)
            DeleteRegValue(HKLM, OpenWithProgidsKey(whole.extension), kClassName);
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

// Makes a key and everything below it read-only for everyone, as HKLM is
// for a standard user; the old permissions come back at the end.
class ReadOnlyKeys {
public:
    ReadOnlyKeys(HKEY root, const std::string& keyPath, REGSAM view = 0)
    {
        Lock(root, keyPath, view);
    }
    ~ReadOnlyKeys()
    {
        for (auto& [key, security] : locked_)
            ::RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, security.data());
    }

private:
    void Lock(HKEY root, const std::string& keyPath, REGSAM view)
    {
        HKEY opened = nullptr;
        if (::RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ | WRITE_DAC | view, &opened) != ERROR_SUCCESS)
            return;
        UniqueRegKey key(opened);
        DWORD size = 0;
        ::RegGetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, nullptr, &size);
        std::vector<char> security(size);
        ::RegGetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, security.data(), &size);
        for (const std::string& subkey : SubkeyNames(key.get()))
            Lock(root, keyPath + "\\" + subkey, view);
        PSECURITY_DESCRIPTOR readOnly = nullptr;  // reading, and changing the permissions back
        ::ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;0x60019;;;WD)", SDDL_REVISION_1, &readOnly,
                                                               nullptr);
        ::RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, readOnly);
        ::LocalFree(readOnly);
        locked_.emplace_back(std::move(key), std::move(security));
    }

    std::vector<std::pair<UniqueRegKey, std::vector<char>>> locked_;
};

} // namespace

// Every entry names the program where it lies, and its help file while that
// exists; a start from elsewhere moves them along (the shared help key stays).
// Free extensions and those whose default text names the program's class in
// any case, read-only or not, are claimed; others, also with a default of no
// text type, keep their entries through the uninstall, which also takes the
// lines an older system left in WIN.INI itself (a class it may not change
// stays).
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
    // .BMP, which it may not change, keeps its class.
    EXPECT_EQ((std::vector<Texts>{EntriesOf(".BMP"), EntriesOf(".WMF")}),
              (std::vector<Texts>{{"lUMOSCOPE32", "", ""}, Texts(3)}));
    EXPECT_FALSE(RegKeyExists(HKCR, ".WMF"));
    EXPECT_FALSE(RegKeyExists(HKLM, kAppPathsKey) || RegKeyExists(HKLM, kUninstallKey) || RegKeyExists(HKCR, kClassName));
    EXPECT_EQ(ReadFileBytes(winIni), "[extensions]\r\nTXT=NOTEPAD.EXE ^.TXT\r\n");
    WriteFileBytes(winIni, original.value_or(""));
}

// The program can be chosen for every type, also one another program owns,
// whose default and "Open with" list stay; the uninstall takes exactly its
// own entries and leaves what others added to a type it owned, since.
TEST_F(Registration, EveryTypeOffersTheProgramAndTheUninstallTakesOnlyItsOwnEntries)
{
    const std::string jpgOpenWith = OpenWithProgidsKey(".JPG"), pcxOpenWith = OpenWithProgidsKey(".PCX");
    ASSERT_TRUE(WriteRegString(HKCR, ".JPG", "", "jpegfile"));
    ASSERT_TRUE(WriteRegValue(HKLM, jpgOpenWith, "Other.Viewer", RegValue{REG_NONE, {}}));
    const ProgramLocation program = LocateProgram("C:\\Program Files\\Lumoscope32\\LUMSC32.EXE");
    WriteSystemEntries(program);
    EXPECT_EQ(ReadRegString(HKCR, ".JPG", ""), "jpegfile");
    EXPECT_EQ(ValueNames(HKLM, jpgOpenWith), (Texts{"Lumoscope32", "Other.Viewer"}));
    const Texts types{".AVIF", ".BMP", ".GIF", ".HEIC", ".HEIF", ".ICO", ".JFIF", ".JPE", ".JPEG", ".JPG", ".JXL",
                      ".PCX", ".PNG", ".TIF", ".WEBP", ".WMF"};
    EXPECT_EQ(ValueNames(HKLM, std::string(kApplicationKey) + "\\SupportedTypes"), types);
    EXPECT_EQ(ValueNames(HKLM, std::string(kCapabilitiesKey) + "\\FileAssociations", KEY_WOW64_64KEY), types);
    EXPECT_EQ(ReadRegString(HKLM, kRegisteredApplicationsKey, kRegisteredName, KEY_WOW64_64KEY), kCapabilitiesKey);
    EXPECT_EQ(ReadRegString(HKLM, std::string(kApplicationKey) + "\\shell\\open\\command", ""),
              "\"" + program.path + "\" \"%1\"");
    for (const std::string& ext : types)
        EXPECT_EQ(ReadRegValue(HKLM, OpenWithProgidsKey(ext), kClassName), (RegValue{REG_NONE, {}})) << ext;

    ASSERT_EQ(ReadRegString(HKCR, ".PCX", ""), "Lumoscope32");  // another program comes along
    ASSERT_TRUE(WriteRegValue(HKLM, pcxOpenWith, "Other.Viewer", RegValue{REG_NONE, {}}));
    ASSERT_TRUE(WriteRegString(HKCR, ".PCX", "Content Type", "image/x-pcx"));
    ASSERT_TRUE(WriteRegString(HKCR, ".PCX\\ShellNew", "NullFile", ""));
    const Texts entries = ProgramEntries();
    WriteSystemEntries(program);
    EXPECT_EQ(ProgramEntries(), entries) << "a second start adds nothing";

    RemoveSystemEntries();
    EXPECT_EQ(ValueNames(HKLM, jpgOpenWith), Texts{"Other.Viewer"});
    EXPECT_EQ(ValueNames(HKLM, pcxOpenWith), Texts{"Other.Viewer"});
    EXPECT_EQ(ValueNames(HKCR, ".PCX"), Texts{"Content Type"});
    EXPECT_TRUE(RegKeyExists(HKCR, ".PCX\\ShellNew"));
    EXPECT_FALSE(RegKeyExists(HKCR, ".GIF") || RegKeyExists(HKLM, kApplicationKey) ||
                 RegKeyExists(HKLM, kProgramKey, KEY_WOW64_64KEY));
    EXPECT_TRUE(ProgramEntries().empty()) << ::testing::PrintToString(ProgramEntries());
}

// Registered by the setup for everyone, started by a user who may not write
// there (and from elsewhere, so that it tries): it shows the picture, says
// nothing and changes nothing.
TEST_F(Registration, AStandardUserStartsTheProgramWithoutAWordWhereItMayNotWrite)
{
    WriteSystemEntries(LocateProgram("C:\\Program Files\\Lumoscope32\\LUMSC32.EXE"));
    const Texts entries = ProgramEntries();
    std::vector<std::unique_ptr<ReadOnlyKeys>> locks;
    for (const char* key : {kAppPathsKey, kHelpKey, kUninstallKey, kExtensionsKey, kApplicationKey, "SOFTWARE\\Classes\\Lumoscope32"})
        locks.push_back(std::make_unique<ReadOnlyKeys>(HKLM, key));
    for (const std::string& ext : OpenableExtensions())
        locks.push_back(std::make_unique<ReadOnlyKeys>(HKLM, std::string(kMachineClassesKey) + "\\" + ext));
    locks.push_back(std::make_unique<ReadOnlyKeys>(HKLM, kProgramKey, KEY_WOW64_64KEY));
    locks.push_back(std::make_unique<ReadOnlyKeys>(HKLM, kRegisteredApplicationsKey, KEY_WOW64_64KEY));
    ASSERT_FALSE(WriteRegString(HKLM, kAppPathsKey, "", "C:\\elsewhere"));

    ScratchFolder pictures("lumo-standard-user");
    WriteBmp(pictures, "photo.bmp", 40, 30);
    Process viewer(ProgramCommand("\"" + pictures / "photo.bmp" + "\""));
    HWND main = viewer.WaitForWindow("TForm1");
    ASSERT_TRUE(main);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(main) == "Lumoscope32 - [PHOTO.BMP]"; }, 5000)) << TextOf(main);
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(viewer.AnswerUntilEnd(10000), Texts{});
    EXPECT_EQ(ProgramEntries(), entries);
}

TEST(RegistryUtilities, DeleteAKeyWithEverythingBelowButNeverARoot)
{
    const std::string key = "Software\\Lumoscope32 registry test";
    ASSERT_TRUE(WriteRegString(HKEY_CURRENT_USER, key + "\\shell\\open", "", "x"));
    EXPECT_FALSE(DeleteRegKey(HKEY_CURRENT_USER, ""));
    EXPECT_TRUE(DeleteRegKey(HKEY_CURRENT_USER, key));
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, key));
}
