// The INI utilities on scratch files and on Wine's real WIN.INI, whose
// section "Extensions" Wine keeps in the registry.

#include "TestSupport.h"
#include "system/FileBytes.h"
#include "system/IniFiles.h"
#include "system/WindowsShell.h"

namespace {

const std::string kBefore = "[extensions]\r\nLMT=C:\\APPS\\LUMSC32.EXE ^.LMT\r\nGIF=C:\\OTHER\\VIEW.EXE ^.GIF\r\n";
const std::string kAfter = "[extensions]\r\nGIF=C:\\OTHER\\VIEW.EXE ^.GIF\r\n";

} // namespace

TEST(DeleteIniKey, RemovesTheKeysLinesFromAPlainFileInOneStep)
{
    ScratchFolder scratch("lumo-ini");
    scratch.File("LUMO TEST.INI", kBefore);
    EXPECT_TRUE(DeleteIniKey(scratch / "lumo test.ini", "Extensions", "lmt"));
    EXPECT_EQ(ReadFileBytes(scratch / "LUMO TEST.INI"), kAfter);
    EXPECT_FALSE(Exists(scratch / "$$$$----.BAK"));
    EXPECT_FALSE(DeleteIniKey(scratch / "LUMO TEST.INI", "Extensions", "LMT"));
}

// Missing, held open (Wine does not replace a file that is open) or read-only.
TEST(DeleteIniKey, LeavesAFileItCannotRewriteAsItWas)
{
    ScratchFolder scratch("lumo-ini");
    const std::string file = scratch / "LUMO TEST.INI";
    EXPECT_FALSE(DeleteIniKey(file, "Extensions", "LMT"));
    EXPECT_FALSE(Exists(file));
    scratch.File("LUMO TEST.INI", kBefore);
    {
        UniqueFile held(::CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr));
        EXPECT_FALSE(DeleteIniKey(file, "Extensions", "LMT"));
    }
    EXPECT_FALSE(Exists(scratch / "$$$$----.BAK"));
    scratch.Attributes("LUMO TEST.INI", FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(DeleteIniKey(file, "Extensions", "LMT"));
    EXPECT_EQ(ReadFileBytes(file), kBefore);
}

// A key that lives only in the registry still counts as removed.
TEST(DeleteIniKey, RemovesWinIniKeysFromTheRegistryAndFromTheFile)
{
    const std::string path = GetWindowsDir() + "\\win.ini";
    const std::optional<std::string> original = ReadFileBytes(path);
    ASSERT_TRUE(WriteFileBytes(path, kBefore));
    ASSERT_TRUE(WriteIniString("WIN.INI", "Extensions", "LMT", "C:\\APPS\\LUMSC32.EXE ^.LMT"));
    ASSERT_TRUE(WriteIniString("WIN.INI", "Extensions", "LMX", "C:\\APPS\\LUMSC32.EXE ^.LMX"));

    EXPECT_TRUE(DeleteIniKey("win.ini", "Extensions", "lmt"));
    EXPECT_EQ(ReadIniString("WIN.INI", "Extensions", "LMT"), "");
    EXPECT_EQ(ReadIniString("WIN.INI", "Extensions", "LMX"), "C:\\APPS\\LUMSC32.EXE ^.LMX");
    EXPECT_EQ(ReadFileBytes(path), kAfter);
    EXPECT_TRUE(DeleteIniKey("WIN.INI", "Extensions", "LMX"));
    EXPECT_EQ(ReadIniString("WIN.INI", "Extensions", "LMX"), "");
    EXPECT_FALSE(DeleteIniKey("WIN.INI", "Extensions", "LMX"));
    if (original)
        WriteFileBytes(path, *original);
}

TEST(IniStrings, ReadAndWriteThroughTheProfileService)
{
    ScratchFolder scratch("lumo-ini");
    const std::string file = scratch / "LUMO TEST.INI";
    scratch.File("LUMO TEST.INI", "[Group]\r\nName=Lumoscope \xC3\xA9t\xC3\xA9\r\n");
    EXPECT_EQ(ReadIniString("lumo test.ini", "Group", "Name"), "");  // not in the Windows directory
    EXPECT_EQ(ReadIniString(file, "Group", "Name"), "Lumoscope \xC3\xA9t\xC3\xA9");
    EXPECT_TRUE(WriteIniString(file, "Group", "Name", std::string(1500, 'x')));
    EXPECT_EQ(ReadIniString(file, "Group", "Name"), std::string(1024, 'x'));
    EXPECT_FALSE(WriteIniString(scratch / "NO DIR\\X.INI", "Group", "Name", "x"));
}
