#include "TestSupport.h"
#include "system/FileBytes.h"
#include "system/IniFiles.h"

// A file that is held open (Wine does not replace a file that is open),
// read-only or larger than any real WIN.INI stays as it was, and the
// temporary file does not remain.
TEST(DeleteIniKey, LeavesAFileItCannotReplaceAsItWas)
{
    std::string before = "[extensions]\r\nLMT=C:\\APPS\\LUMSC32.EXE ^.LMT\r\nGIF=C:\\OTHER\\VIEW.EXE ^.GIF\r\n";
    ScratchFolder scratch("lumo-ini");
    const std::string file = scratch / "LUMO TEST.INI";
    scratch.File("LUMO TEST.INI", before);
    auto expectUnchanged = [&](const char* why) {
        EXPECT_FALSE(DeleteIniKey(file, "Extensions", "LMT")) << why;
        EXPECT_EQ(ReadFileBytes(file), before) << why;
        EXPECT_FALSE(Exists(scratch / "$$$$----.BAK")) << why;
    };
    {
        UniqueFile held(::CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr));
        expectUnchanged("held open");
    }
    scratch.Attributes("LUMO TEST.INI", FILE_ATTRIBUTE_READONLY);
    expectUnchanged("read-only");
    scratch.Attributes("LUMO TEST.INI", FILE_ATTRIBUTE_NORMAL);
    before += "\r\n[Padding]\r\n" + std::string(9 << 20, 'x') + "\r\n";
    scratch.File("LUMO TEST.INI", before);
    expectUnchanged("9 MiB");
}
