#include "system/UninstallLog.h"

#include <gtest/gtest.h>

#include "system/ProgramRemoval.h"
#include "system/SafePaths.h"
#include "system/SoleArgument.h"

TEST(UninstallLog, HasTenCrLfLinesNamingTheProgramDirectoryAndItsFiles)
{
    EXPECT_EQ(UninstallLogText("C:\\APPS"), "*** Installation Started 1/1/96 00:00 ***\r\n"
                                             "Title: Lumoscope 1.1 -32 Installation\r\n"
                                             "Source: A:\\INST32.EXE\r\n"
                                             "Made Dir: C:\\APPS\r\n"
                                             "File Copy: C:\\APPS\\LUMSC32.EXE\r\n"
                                             "File Copy: C:\\APPS\\LUMSC32.HLP\r\n"
                                             "File Copy: C:\\APPS\\LUMSC32.CNT\r\n"
                                             "File Copy: C:\\APPS\\LUMSC32.GID\r\n"
                                             "File Copy: C:\\APPS\\UNINST.ICO\r\n"
                                             "File Copy: C:\\APPS\\PICDEC32.DLL\r\n");
}

TEST(UninstallLog, ReadsBackWhatTheProgramWrites)
{
    for (const char* dir : {"C:\\APPS", "C:", "D:\\Program Files\\Lumo \xC3\xA9t\xC3\xA9", "\\\\SERVER\\SHARE\\LUMO"}) {
        std::optional<UninstallLog> log = ParseUninstallLog(UninstallLogText(dir));
        ASSERT_TRUE(log) << dir;
        EXPECT_EQ(log->madeDir, dir);
        ASSERT_EQ(log->files.size(), 6u);
        EXPECT_EQ(log->files[0], std::string(dir) + "\\LUMSC32.EXE");
        EXPECT_EQ(log->files[5], std::string(dir) + "\\PICDEC32.DLL");
    }
}

TEST(UninstallLog, RefusesTextsOfAnyOtherForm)
{
    const std::string good = UninstallLogText("C:\\APPS");
    const std::string header = good.substr(0, good.find("Made Dir"));
    std::vector<std::string> bad = {
        "",
        good.substr(0, good.size() - 2),                               // last line without CR LF
        header,                                                        // no directory
        header + "Made Dir: APPS\r\n",                                 // relative
        header + "Made Dir: C:\\APPS\\\r\n",                           // trailing "\"
        header + "Made Dir: C:\\APPS\\..\r\n",                         // leads elsewhere
        header + "Made Dir: C:/APPS\r\n",                              // other separator
        header + "Made Dir: \\\\SERVER\r\n",                           // no share
        header + "Made Dir: \\\\?\\C:\\APPS\r\n",                      // device path
        header + "Made Dir: \\\\.\\C:\\APPS\r\n",                      // device path
        header + "Made Dir: C:\\APPS\r\nFile Copy: \r\n",              // empty file
        header + "Made Dir: C:\\APPS\r\nRemove: C:\\APPS\\X\r\n",      // unknown line
        header + "Made Dir: C:\\APPS\r\nMade Dir: C:\\WINDOWS\r\n",    // second directory
        header + "Made Dir: C:\\APPS\r\nFile Copy: C:\\APPS\\A\nB\r\n",// bare line feed
        "Title: X\r\n*** Installation Started ***\r\nSource: A:\r\nMade Dir: C:\\APPS\r\n",
    };
    for (const std::string& text : bad)
        EXPECT_FALSE(ParseUninstallLog(text)) << text;
}

TEST(SafePaths, OnlyPlainNamesDirectlyInTheDirectoryCount)
{
    EXPECT_TRUE(LiesDirectlyIn("C:\\APPS", "C:\\APPS\\LUMSC32.EXE"));
    EXPECT_TRUE(LiesDirectlyIn("C:\\APPS", "c:\\apps\\lumsc32.exe"));
    EXPECT_TRUE(LiesDirectlyIn("C:", "C:\\LUMSC32.EXE"));
    for (const char* path : {"C:\\APPSX\\LUMSC32.EXE", "C:\\APPS", "C:\\APPS\\", "C:\\APPS\\SUB\\A.EXE",
                             "C:\\APPS\\..\\WINDOWS\\WIN.INI", "C:\\APPS\\..", "C:\\APPS\\.", "C:\\APPS\\A/../../B",
                             "C:\\APPS\\A.EXE:stream", "C:\\APPS\\*.*", "C:\\APPS\\.. ", "C:\\APPS\\A.",
                             "D:\\APPS\\A.EXE", "C:\\OTHER\\A.EXE"})
        EXPECT_FALSE(LiesDirectlyIn("C:\\APPS", path)) << path;
    EXPECT_FALSE(LiesDirectlyIn("C:", "C:LUMSC32.EXE"));
}

TEST(SafePaths, OnlyADriveOrAShareAloneIsARoot)
{
    for (const char* root : {"C:", "z:", "\\\\SERVER\\SHARE"})
        EXPECT_TRUE(IsRootDirectory(root) && IsAbsoluteDirectory(root)) << root;
    for (const char* path : {"C:\\APPS", "\\\\SERVER\\SHARE\\LUMO", "", "\\\\SERVER", "\\\\SERVER\\", "C:\\"})
        EXPECT_FALSE(IsRootDirectory(path)) << path;
}

TEST(ProgramRemoval, DeletesOnlyTheProgramsFilesDirectlyInALoggedFolderThatIsNoRoot)
{
    struct Case { const char* madeDir; const char* file; bool deleted; };
    const Case cases[] = {
        {"C:\\APPS", "C:\\APPS\\LUMSC32.EXE", true}, {"C:\\APPS", "c:\\apps\\picdec32.dll", true},
        {"C:\\APPS", "C:\\APPS\\UNINST.LOG", true},
        {"\\\\SERVER\\SHARE\\LUMO", "\\\\SERVER\\SHARE\\LUMO\\LUMSC32.GID", true},
        {"C:\\Users\\x\\Documents", "C:\\Users\\x\\Documents\\thesis.doc", false},
        {"C:\\APPS", "C:\\APPS\\LUMSC32.EXE.BAK", false}, {"C:\\APPS", "C:\\APPS\\SUB\\LUMSC32.EXE", false},
        {"C:\\APPS", "C:\\LUMSC32.EXE", false}, {"C:", "C:\\LUMSC32.EXE", false},
        {"\\\\SERVER\\SHARE", "\\\\SERVER\\SHARE\\LUMSC32.EXE", false},
    };
    for (const Case& c : cases) {
        ProgramRemoval removal = PlanProgramRemoval({c.madeDir, {c.file}});
        EXPECT_EQ(removal.files.size(), c.deleted ? 1u : 0u) << c.file;
        EXPECT_EQ(removal.refused.size(), c.deleted ? 0u : 1u) << c.file;
        EXPECT_EQ(removal.folder, IsRootDirectory(c.madeDir) ? "" : c.madeDir) << c.madeDir;
    }
}

TEST(SoleArgument, TakesTheWholeRestOfTheCommandLine)
{
    EXPECT_EQ(SoleArgument("LMUNINST.EXE C:\\WINDOWS\\LMUNINST.LOG"), "C:\\WINDOWS\\LMUNINST.LOG");
    EXPECT_EQ(SoleArgument("\"C:\\MY WIN\\LMUNINST.EXE\" C:\\MY WIN\\LMUNINST.LOG  "), "C:\\MY WIN\\LMUNINST.LOG");
    EXPECT_EQ(SoleArgument("LMUNINST.EXE   \"C:\\MY WIN\\LMUNINST.LOG\""), "C:\\MY WIN\\LMUNINST.LOG");
    EXPECT_EQ(SoleArgument("LMUNINST.EXE"), "");
    EXPECT_EQ(SoleArgument("\"C:\\A B\\LMUNINST.EXE\""), "");
}
