#include "system/UninstallLog.h"

#include <gtest/gtest.h>

#include "system/GroupCommand.h"
#include "system/ProgramRemoval.h"
#include "system/SafePaths.h"
#include "system/UninstallerPlace.h"

TEST(UninstallLog, NamesTheProgramDirectoryAndItsFilesInCrLfLinesAndReadsThemBack)
{
    EXPECT_EQ(UninstallLogText("C:\\APPS"), "*** Installation Started 1/1/96 00:00 ***\r\n"
                                             "Title: Lumoscope 1.1 -32 Installation\r\nSource: A:\\INST32.EXE\r\n"
                                             "Made Dir: C:\\APPS\r\nFile Copy: C:\\APPS\\LUMSC32.EXE\r\n"
                                             "File Copy: C:\\APPS\\LUMSC32.HLP\r\nFile Copy: C:\\APPS\\LUMSC32.CNT\r\n"
                                             "File Copy: C:\\APPS\\LUMSC32.GID\r\nFile Copy: C:\\APPS\\UNINST.ICO\r\n"
                                             "File Copy: C:\\APPS\\PICDEC32.DLL\r\nFile Copy: C:\\APPS\\LIBHEIF.DLL\r\n"
                                             "File Copy: C:\\APPS\\LIBDE265.DLL\r\n");
    for (const std::string dir : {"D:\\Program Files\\Lumo \xC3\xA9t\xC3\xA9", "\\\\SERVER\\SHARE\\LUMO"}) {
        const UninstallLog log = ParseUninstallLog(UninstallLogText(dir)).value_or(UninstallLog{"refused", {}});
        EXPECT_EQ(std::tuple(log.madeDir, log.files.size(), log.files.empty() ? "" : log.files.back()),
                  std::tuple(dir, 8u, dir + "\\LIBDE265.DLL"));
    }
}

TEST(UninstallLog, RefusesTextsOfAnyOtherForm)
{
    const std::string good = UninstallLogText("C:\\APPS");
    const std::string header = good.substr(0, good.find("Made Dir"));
    const std::string made = header + "Made Dir: ";
    for (const std::string& text : {
             good.substr(0, good.size() - 2) /* last line without CR LF */, header, made + "APPS\r\n",
             made + "C:\\APPS\\..\r\n", made + "C:/APPS\r\n", made + "\\\\SERVER\r\n", made + "\\\\?\\C:\\APPS\r\n",
             made + "C:\\APPS\r\nFile Copy: \r\n", made + "C:\\APPS\r\nMade Dir: C:\\WINDOWS\r\n",
             made + "C:\\APPS\r\nFile Copy: C:\\APPS\\A\nB\r\n",
             std::string("Title: X\r\n*** Installation Started ***\r\nSource: A:\r\nMade Dir: C:\\APPS\r\n")})
        EXPECT_FALSE(ParseUninstallLog(text)) << text;
}

TEST(SafePaths, OnlyPlainNamesDirectlyInTheDirectoryCount)
{
    for (const auto& [dir, path, inside] :
         {std::tuple{"C:\\APPS", "c:\\apps\\lumsc32.exe", true}, {"C:", "C:\\LUMSC32.EXE", true},
          {"C:\\APPS", "C:\\APPSX\\LUMSC32.EXE", false}, {"C:\\APPS", "C:\\APPS", false},
          {"C:\\APPS", "C:\\APPS\\..\\WINDOWS\\WIN.INI", false}, {"C:\\APPS", "C:\\APPS\\A/../../B", false},
          {"C:\\APPS", "C:\\APPS\\A.EXE:stream", false}, {"C:\\APPS", "C:\\APPS\\.. ", false},
          {"C:\\APPS", "D:\\APPS\\A.EXE", false}, {"C:", "C:LUMSC32.EXE", false}})
        EXPECT_EQ(LiesDirectlyIn(dir, path), inside) << path;
}

TEST(SafePaths, OnlyADriveOrAShareAloneIsARoot)
{
    for (const auto& [path, root] : {std::pair{"C:", true}, {"z:", true}, {"\\\\SERVER\\SHARE", true}, {"C:\\APPS", false},
                                     {"", false}, {"\\\\SERVER\\", false}, {"C:\\", false}})
        EXPECT_EQ(IsRootDirectory(path) && IsAbsoluteDirectory(path), root) << path;
}

TEST(ProgramRemoval, DeletesOnlyTheProgramsFilesDirectlyInALoggedFolderThatIsNoRoot)
{
    for (const auto& [madeDir, file, deleted] :
         {std::tuple{"C:\\APPS", "C:\\APPS\\LUMSC32.EXE", true}, {"C:\\APPS", "c:\\apps\\uninst.log", true},
          {"C:\\Users\\x\\Documents", "C:\\Users\\x\\Documents\\thesis.doc", false},
          {"C:\\APPS", "C:\\APPS\\SUB\\LUMSC32.EXE", false}, {"C:", "C:\\LUMSC32.EXE", false}}) {
        const ProgramRemoval removal = PlanProgramRemoval({madeDir, {file}});
        EXPECT_EQ(std::tuple(removal.files.size(), removal.refused.size(), removal.folder),
                  std::tuple(deleted ? 1u : 0u, deleted ? 0u : 1u, IsRootDirectory(madeDir) ? "" : madeDir))
            << file;
    }
}

TEST(GroupCommand, NamesTheGroupOrIsNotSentAtAll)
{
    EXPECT_EQ(GroupCommand("Bob's Tools & \xC3\xA9t\xC3\xA9"), "[DeleteGroup(Bob's Tools & \xC3\xA9t\xC3\xA9,1)]\r\n");
    for (const char* name : {"X)][DeleteGroup(Startup", "A]", "[A", "A(", "A)", "\"A\"", "Startup,1", "A\rB", "A\x7F",
                             "", ".", "..", "..\\Startup", "A/B", "C:Startup"})
        EXPECT_FALSE(GroupCommand(name)) << name;
}

TEST(UninstallerPlace, OnlyTheInstalledOneAndItsTemporaryCopyRemoveThemselves)
{
    using enum UninstallerPlace;
    const std::string folder = TemporaryCopyFolder("C:\\TEMP\\", 42);
    for (const auto& [path, place] :
         {std::pair{std::string("c:\\windows\\lmuninst.exe"), kWindowsFolder},
          {folder + "\\LMUNINST.EXE", kTemporaryCopy}, {"C:\\WINDOWS\\SYSTEM\\LMUNINST.EXE", kElsewhere},
          {"Z:\\build\\bin\\LMUNINST.EXE", kElsewhere}, {folder + "x\\LMUNINST.EXE", kElsewhere},
          {folder.substr(0, folder.size() - 2) + "\\LMUNINST.EXE", kElsewhere}, {folder + "\\SETUP.EXE", kElsewhere}})
        EXPECT_EQ(PlaceOf(path, "C:\\WINDOWS"), place) << path;
    EXPECT_EQ(PlaceOf("\\LMUNINST.EXE", ""), kElsewhere);
}
