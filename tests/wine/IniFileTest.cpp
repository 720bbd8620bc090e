// The removal of an INI key's lines from a plain file.

#include "TestSupport.h"
#include "system/FileBytes.h"
#include "system/IniFiles.h"

// In one step, through a temporary file that does not remain; a file that is
// missing, held open (Wine does not replace a file that is open) or read-only
// stays as it was.
TEST(DeleteIniKey, RewritesAPlainFileInOneStepOrLeavesItAsItWas)
{
    const std::string before = "[extensions]\r\nLMT=C:\\APPS\\LUMSC32.EXE ^.LMT\r\nGIF=C:\\OTHER\\VIEW.EXE ^.GIF\r\n";
    const std::string after = "[extensions]\r\nGIF=C:\\OTHER\\VIEW.EXE ^.GIF\r\n";
    ScratchFolder scratch("lumo-ini");
    const std::string file = scratch / "LUMO TEST.INI";
    EXPECT_FALSE(DeleteIniKey(file, "Extensions", "LMT"));
    EXPECT_FALSE(Exists(file));
    scratch.File("LUMO TEST.INI", before);
    {
        UniqueFile held(::CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr));
        EXPECT_FALSE(DeleteIniKey(file, "Extensions", "LMT"));
    }
    EXPECT_EQ(ReadFileBytes(file), before);
    EXPECT_FALSE(Exists(scratch / "$$$$----.BAK"));

    EXPECT_TRUE(DeleteIniKey(scratch / "lumo test.ini", "Extensions", "lmt"));
    EXPECT_EQ(ReadFileBytes(file), after);
    EXPECT_FALSE(Exists(scratch / "$$$$----.BAK"));
    EXPECT_FALSE(DeleteIniKey(file, "Extensions", "LMT"));
    scratch.File("LUMO TEST.INI", before);
    scratch.Attributes("LUMO TEST.INI", FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(DeleteIniKey(file, "Extensions", "LMT"));
    EXPECT_EQ(ReadFileBytes(file), before);
}
