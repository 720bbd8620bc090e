#include "system/EntryTexts.h"

#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "system/ProgramLocation.h"

using Items = std::vector<std::string>;

TEST(EntryTexts, TheOpenCommandHandsOverAPictureWithBlanksWhole)
{
    const std::string program = "C:\\Program Files\\Lumo 32\\LUMSC32.EXE";
    std::string command = OpenCommand(program);
    EXPECT_EQ(command, "\"C:\\Program Files\\Lumo 32\\LUMSC32.EXE\" \"%1\"");
    // The shell puts the picture's path in place of %1.
    command.replace(command.find("%1"), 2, "D:\\My Pictures\\Sea side.BMP");
    EXPECT_EQ(SplitCommandLine(command), (Items{program, "D:\\My Pictures\\Sea side.BMP"}));
}

TEST(EntryTexts, TheUninstallCommandStartsTheProgramWithTheSwitch)
{
    const Items arguments = SplitCommandLine(UninstallCommand("C:\\A B\\LUMSC32.EXE"));
    ASSERT_EQ(arguments.size(), 2u);
    EXPECT_EQ(arguments[0], "C:\\A B\\LUMSC32.EXE");
    EXPECT_TRUE(IsUninstallSwitch(arguments[1]));
    EXPECT_EQ(ExtensionCommand("C:\\APPS\\LUMSC32.EXE", ".BMP"), "C:\\APPS\\LUMSC32.EXE ^.BMP");
}

TEST(EntryTexts, TheClassIsTheProgramsInAnyCaseOnly)
{
    for (const auto& [name, ours] : {std::pair{"Lumoscope32", true}, {"lUMOSCOPE32", true}, {"", false},
                                     {"Lumoscope32 ", false}, {"Paint.Picture", false}})
        EXPECT_EQ(IsProgramClass(name), ours) << name;
}

TEST(ProgramLocation, DirectoryWithoutTrailingSeparatorAndTheHelpFileInIt)
{
    for (const auto& [program, dir, help] : {std::tuple{"C:\\APPS\\LUMSC32.EXE", "C:\\APPS", "C:\\APPS\\LUMSC32.HLP"},
                                             {"C:\\LUMSC32.EXE", "C:", "C:\\LUMSC32.HLP"}}) {
        const ProgramLocation location = LocateProgram(program);
        EXPECT_EQ(location.dir, dir);
        EXPECT_EQ(location.helpFile, help);
    }
}
