#include <gtest/gtest.h>

#include "text/AsciiCase.h"

TEST(AsciiCase, ChangesOnlyTheLettersAToZ)
{
    EXPECT_EQ(UpperAscii("az AZ@[`{ été_日本.jpg"), "AZ AZ@[`{ éTé_日本.JPG");
    EXPECT_EQ(LowerAscii("AZ az@[`{ ÉTÉ_日本.JPG"), "az az@[`{ ÉtÉ_日本.jpg");
}
