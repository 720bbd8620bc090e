#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include "system/EntryTexts.h"
#include "system/ProgramLocation.h"
#include "system/SoleArgument.h"

using Items = std::vector<std::string>;

TEST(SplitCommandLine, SplitsAtBlanksAndGroupsQuotedText)
{
    EXPECT_EQ(SplitCommandLine("\"C:\\Program Files\\L\\LUMSC32.EXE\"  \"C:\\My Pics\\a b.jpg\" extra"),
              (Items{"C:\\Program Files\\L\\LUMSC32.EXE", "C:\\My Pics\\a b.jpg", "extra"}));
    EXPECT_EQ(SplitCommandLine("x C:\\My\" \"Pics\\a.bmp"), (Items{"x", "C:\\My Pics\\a.bmp"}));
    EXPECT_EQ(SplitCommandLine("  x\t y  \"\""), (Items{"x", "y", ""}));
    EXPECT_EQ(SplitCommandLine("x \"unterminated quote"), (Items{"x", "unterminated quote"}));
}

TEST(EntryTexts, TheCommandsQuoteTheProgramAndHandOverAPictureWithBlanksWhole)
{
    const std::string program = "C:\\Program Files\\Lumo 32\\LUMSC32.EXE";
    std::string command = OpenCommand(program);
    EXPECT_EQ(command, "\"C:\\Program Files\\Lumo 32\\LUMSC32.EXE\" \"%1\"");
    command.replace(command.find("%1"), 2, "D:\\My Pictures\\Sea side.BMP");  // as the shell does
    EXPECT_EQ(SplitCommandLine(command), (Items{program, "D:\\My Pictures\\Sea side.BMP"}));
    EXPECT_EQ(UninstallCommand("C:\\A B\\LUMSC32.EXE"), "\"C:\\A B\\LUMSC32.EXE\" -u");
    for (const auto& [text, accepted] : {std::pair{"-U", true}, {"-u", true}, {"/U", false}, {"-UX", false}})
        EXPECT_EQ(IsUninstallSwitch(text), accepted) << text;
    EXPECT_EQ(ExtensionCommand("C:\\APPS\\LUMSC32.EXE", ".BMP"), "C:\\APPS\\LUMSC32.EXE ^.BMP");
}

TEST(SoleArgument, TakesTheWholeRestOfTheCommandLine)
{
    EXPECT_EQ(SoleArgument("\"C:\\MY WIN\\LMUNINST.EXE\" C:\\MY WIN\\LMUNINST.LOG  "), "C:\\MY WIN\\LMUNINST.LOG");
    EXPECT_EQ(SoleArgument("LMUNINST.EXE   \"C:\\MY WIN\\LMUNINST.LOG\""), "C:\\MY WIN\\LMUNINST.LOG");
    EXPECT_EQ(SoleArgument("\"C:\\A B\\LMUNINST.EXE\""), "");
}

TEST(EntryTexts, TheClassIsTheProgramsInAnyCaseOnly)
{
    for (const auto& [name, ours] : {std::pair{"lUMOSCOPE32", true}, {"Lumoscope32 ", false}, {"Paint.Picture", false}})
        EXPECT_EQ(IsProgramClass(name), ours) << name;
}

TEST(ProgramLocation, DirectoryWithoutTrailingSeparatorAndTheHelpFileInIt)
{
    for (const auto& [program, dir, help] : {std::tuple{"C:\\APPS\\LUMSC32.EXE", "C:\\APPS", "C:\\APPS\\LUMSC32.HLP"},
                                             {"C:\\LUMSC32.EXE", "C:", "C:\\LUMSC32.HLP"}})
        EXPECT_EQ(LocateProgram(program).dir + " " + LocateProgram(program).helpFile, std::string(dir) + " " + help);
}
