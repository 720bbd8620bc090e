#include "system/GroupCommand.h"

#include <gtest/gtest.h>

TEST(GroupCommand, NamesTheGroupOrIsNotSentAtAll)
{
    EXPECT_EQ(GroupCommand("Bob's Tools & \xC3\xA9t\xC3\xA9"), "[DeleteGroup(Bob's Tools & \xC3\xA9t\xC3\xA9)]\r\n");
    for (const char* name : {"X)][DeleteGroup(Startup", "A]", "[A", "A(", "A)", "\"A\"", "Startup,1", "A\rB", "A\x7F"})
        EXPECT_FALSE(GroupCommand(name)) << name;
}
