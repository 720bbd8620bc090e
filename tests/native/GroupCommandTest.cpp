#include "system/GroupCommand.h"

#include <gtest/gtest.h>

TEST(GroupCommand, NamesTheGroupOrIsNotSentAtAll)
{
    EXPECT_EQ(GroupCommand("Lumoscope 32 \xC3\xA9t\xC3\xA9"), "[DeleteGroup(Lumoscope 32 \xC3\xA9t\xC3\xA9)]\r\n");
    EXPECT_EQ(GroupCommand("Bob's Tools & More"), "[DeleteGroup(Bob's Tools & More)]\r\n");
    EXPECT_EQ(GroupCommand(""), "[DeleteGroup()]\r\n");
    for (const char* name : {"X)][DeleteGroup(Startup", "A]", "[A", "A(", "A)", "\"A\"", "Startup,1", "A\rB", "A\tB",
                             "A\x7F"})
        EXPECT_FALSE(GroupCommand(name)) << name;
}
