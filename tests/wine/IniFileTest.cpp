// The INI utilities on scratch files and on Wine's real WIN.INI, whose
// section "Extensions" Wine keeps in the registry.

#include "TestSupport.h"
#include "framework/Files.h"
#include "system/FileBytes.h"
#include "system/IniFiles.h"
#include "system/WindowsShell.h"

namespace {

// WIN.INI as it was, put back byte for byte, with the keys the test used.
class SavedWinIni {
public:
    SavedWinIni() : path_(GetWindowsDir() + "\\win.ini"), bytes_(ReadFileBytes(path_)) {}
    ~SavedWinIni()
    {
        ::WritePrivateProfileStringA("Extensions", "LMT", nullptr, "WIN.INI");
        ::WritePrivateProfileStringA("Extensions", "LMX", nullptr, "WIN.INI");
        if (bytes_)
            WriteFileBytes(path_, *bytes_);
    }
    const std::string& Path() const { return path_; }
    std::string Original() const { return bytes_.value_or(""); }

private:
    std::string path_;
    std::optional<std::string> bytes_;
};

std::string Profile(const char* key)
{
    char text[256];
    ::GetPrivateProfileStringA("Extensions", key, "<none>", text, sizeof text, "WIN.INI");
    return text;
}

const std::string kBefore = "[Colours]\r\nLMT=keep\r\n\r\n[extensions]\r\nLMT=C:\\APPS\\LUMSC32.EXE ^.LMT\r\n"
                            "GIF=C:\\OTHER\\VIEW.EXE ^.GIF\nlmt=lower case\r\nLMTX=longer key\r\n\r\n"
                            "; \xC3\xA9t\xC3\xA9\r\n[Other]\r\nLMT=keep too";
const std::string kAfter = "[Colours]\r\nLMT=keep\r\n\r\n[extensions]\r\n"
                           "GIF=C:\\OTHER\\VIEW.EXE ^.GIF\nLMTX=longer key\r\n\r\n"
                           "; \xC3\xA9t\xC3\xA9\r\n[Other]\r\nLMT=keep too";

} // namespace

TEST(DeleteIniKey, RemovesExactlyTheKeysLinesFromAPlainFile)
{
    ScratchFolder scratch("lumo-ini");
    ASSERT_TRUE(WriteFileBytes((scratch / "LUMO TEST.INI"), kBefore));
    EXPECT_TRUE(DeleteIniKey((scratch / "lumo test.ini"), "Extensions", "lmt"));
    EXPECT_EQ(ReadFileBytes((scratch / "LUMO TEST.INI")), kAfter);
    EXPECT_FALSE(FileExists((scratch / "$$$$----.BAK")));

    EXPECT_FALSE(DeleteIniKey((scratch / "LUMO TEST.INI"), "Extensions", "LMT"));
    EXPECT_EQ(ReadFileBytes((scratch / "LUMO TEST.INI")), kAfter);
}

TEST(DeleteIniKey, LeavesMissingAndReadOnlyFilesAlone)
{
    ScratchFolder scratch("lumo-ini");
    EXPECT_FALSE(DeleteIniKey((scratch / "LUMO TEST.INI"), "Extensions", "LMT"));
    EXPECT_FALSE(FileExists((scratch / "LUMO TEST.INI")));

    ASSERT_TRUE(WriteFileBytes((scratch / "LUMO TEST.INI"), kBefore));
    ::SetFileAttributesA((scratch / "LUMO TEST.INI").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(DeleteIniKey((scratch / "LUMO TEST.INI"), "Extensions", "LMT"));
    EXPECT_EQ(ReadFileBytes((scratch / "LUMO TEST.INI")), kBefore);
}

TEST(DeleteIniKey, RemovesWinIniKeysFromTheRegistryAndFromTheFile)
{
    SavedWinIni winIni;
    ASSERT_TRUE(WriteFileBytes(winIni.Path(), kBefore));
    ASSERT_TRUE(::WritePrivateProfileStringA("Extensions", "LMT", "C:\\APPS\\LUMSC32.EXE ^.LMT", "WIN.INI"));
    ASSERT_TRUE(::WritePrivateProfileStringA("Extensions", "LMX", "C:\\APPS\\LUMSC32.EXE ^.LMX", "WIN.INI"));

    EXPECT_TRUE(DeleteIniKey("win.ini", "Extensions", "lmt"));
    EXPECT_EQ(Profile("LMT"), "<none>");
    EXPECT_EQ(Profile("LMX"), "C:\\APPS\\LUMSC32.EXE ^.LMX");
    EXPECT_EQ(ReadFileBytes(winIni.Path()), kAfter);

    // A key that lives only in the registry still counts as removed.
    EXPECT_TRUE(DeleteIniKey("WIN.INI", "Extensions", "LMX"));
    EXPECT_EQ(Profile("LMX"), "<none>");
    EXPECT_FALSE(DeleteIniKey("WIN.INI", "Extensions", "LMX"));
}

TEST(DeleteIniKey, AFailedRewriteLeavesWinIniAsItWas)
{
    SavedWinIni winIni;
    ASSERT_TRUE(WriteFileBytes(winIni.Path(), kBefore));
    const std::string temporary = GetWindowsDir() + "\\$$$$----.BAK";

    {   // the replacement step fails: Wine does not replace a file that is open
        UniqueFile held(::CreateFileA(winIni.Path().c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      0, nullptr));
        ASSERT_TRUE(held);
        EXPECT_FALSE(DeleteIniKey("WIN.INI", "Extensions", "LMT"));
    }
    EXPECT_EQ(ReadFileBytes(winIni.Path()), kBefore);
    EXPECT_EQ(::GetFileAttributesA(temporary.c_str()), INVALID_FILE_ATTRIBUTES);

    // the temporary file cannot be created
    ASSERT_TRUE(::CreateDirectoryA(temporary.c_str(), nullptr));
    EXPECT_FALSE(DeleteIniKey("WIN.INI", "Extensions", "LMT"));
    ::RemoveDirectoryA(temporary.c_str());
    EXPECT_EQ(ReadFileBytes(winIni.Path()), kBefore);
}

TEST(IniStrings, ReadAndWriteThroughTheProfileService)
{
    ScratchFolder scratch("lumo-ini");
    const std::string log = (scratch / "LUMO TEST.INI");
    ASSERT_TRUE(WriteFileBytes(log, "[Group]\r\nName=Lumoscope \xC3\xA9t\xC3\xA9\r\n[Other]\r\nName=no\r\n"));
    EXPECT_EQ(ReadIniString("lumo test.ini", "Group", "Name"), "");  // not in the Windows directory
    EXPECT_EQ(ReadIniString(log, "Group", "Name"), "Lumoscope \xC3\xA9t\xC3\xA9");
    EXPECT_EQ(ReadIniString(log, "Group", "Missing"), "");
    EXPECT_EQ(ReadIniString(log, "Missing", "Name"), "");

    EXPECT_TRUE(WriteIniString(log, "Group", "Name", std::string(1500, 'x')));
    EXPECT_EQ(ReadIniString(log, "Group", "Name"), std::string(1024, 'x'));
    EXPECT_FALSE(WriteIniString((scratch / "NO DIR\\X.INI"), "Group", "Name", "x"));
}
