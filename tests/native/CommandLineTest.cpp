#include "app/CommandLine.h"

#include <gtest/gtest.h>

using Items = std::vector<std::string>;

TEST(SplitCommandLine, SplitsAtBlanksAndGroupsQuotedText)
{
    EXPECT_EQ(SplitCommandLine("LUMSC32.EXE -U"), (Items{"LUMSC32.EXE", "-U"}));
    EXPECT_EQ(SplitCommandLine("\"C:\\Program Files\\L\\LUMSC32.EXE\"  \"C:\\My Pics\\a b.jpg\" extra"),
              (Items{"C:\\Program Files\\L\\LUMSC32.EXE", "C:\\My Pics\\a b.jpg", "extra"}));
    EXPECT_EQ(SplitCommandLine("x C:\\My\" \"Pics\\a.bmp"), (Items{"x", "C:\\My Pics\\a.bmp"}));
    EXPECT_EQ(SplitCommandLine("  x\t y  "), (Items{"x", "y"}));
    EXPECT_EQ(SplitCommandLine("x \"\""), (Items{"x", ""}));
    EXPECT_EQ(SplitCommandLine("x \"unterminated quote"), (Items{"x", "unterminated quote"}));
    EXPECT_TRUE(SplitCommandLine("").empty());
}

TEST(IsUninstallSwitch, AcceptsOnlyMinusUInEitherCase)
{
    for (const auto& [text, accepted] : {std::pair{"-U", true}, {"-u", true}, {"/U", false}, {"-UX", false},
                                         {"-U ", false}, {"", false}})
        EXPECT_EQ(IsUninstallSwitch(text), accepted) << text;
}
