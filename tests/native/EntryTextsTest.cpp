#include "system/EntryTexts.h"

#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "system/ProgramLocation.h"

TEST(EntryTexts, TheOpenCommandHandsOverAPictureWithBlanksWhole)
{
    const std::string program = "C:\\Program Files\\Lumo 32\\LUMSC32.EXE";
    std::string command = OpenCommand(program);
    EXPECT_EQ(command, "\"C:\\Program Files\\Lumo 32\\LUMSC32.EXE\" \"%1\"");
    // The shell puts the picture's path in place of %1.
    command.replace(command.find("%1"), 2, "D:\\My Pictures\\Sea side.BMP");
    std::vector<std::string> arguments = SplitCommandLine(command);
    ASSERT_EQ(arguments.size(), 2u);
    EXPECT_EQ(arguments[0], program);
    EXPECT_EQ(arguments[1], "D:\\My Pictures\\Sea side.BMP");
}

TEST(EntryTexts, TheUninstallCommandStartsTheProgramWithTheSwitch)
{
    std::vector<std::string> arguments = SplitCommandLine(UninstallCommand("C:\\A B\\LUMSC32.EXE"));
    ASSERT_EQ(arguments.size(), 2u);
    EXPECT_EQ(arguments[0], "C:\\A B\\LUMSC32.EXE");
    EXPECT_TRUE(IsUninstallSwitch(arguments[1]));
    EXPECT_EQ(ExtensionCommand("C:\\APPS\\LUMSC32.EXE", ".BMP"), "C:\\APPS\\LUMSC32.EXE ^.BMP");
}

TEST(EntryTexts, TheClassIsTheProgramsInAnyCaseOnly)
{
    EXPECT_TRUE(IsProgramClass("Lumoscope32"));
    EXPECT_TRUE(IsProgramClass("lUMOSCOPE32"));
    EXPECT_FALSE(IsProgramClass(""));
    EXPECT_FALSE(IsProgramClass("Lumoscope32 "));
    EXPECT_FALSE(IsProgramClass("Paint.Picture"));
}

TEST(ProgramLocation, DirectoryWithoutTrailingSeparatorAndTheHelpFileInIt)
{
    ProgramLocation apps = LocateProgram("C:\\APPS\\LUMSC32.EXE");
    EXPECT_EQ(apps.dir, "C:\\APPS");
    EXPECT_EQ(apps.helpFile, "C:\\APPS\\LUMSC32.HLP");
    ProgramLocation root = LocateProgram("C:\\LUMSC32.EXE");
    EXPECT_EQ(root.dir, "C:");
    EXPECT_EQ(root.helpFile, "C:\\LUMSC32.HLP");
}
