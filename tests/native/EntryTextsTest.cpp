#include "system/EntryTexts.h"

#include <gtest/gtest.h>

#include "system/ProgramLocation.h"

TEST(EntryTexts, TheClassIsTheProgramsInAnyCaseOnly)
{
    for (const auto& [name, ours] : {std::pair{"lUMOSCOPE32", true}, {"Lumoscope32 ", false}, {"Paint.Picture", false}})
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
