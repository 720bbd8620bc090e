#include "picture/PicViewMessageLayout.h"

#include <gtest/gtest.h>

#include <climits>

#include "framework/Exceptions.h"

TEST(HeightOfPoints, RoundsHalvesAwayFromZeroLikeMulDiv)
{
    struct Case { int points, ppi, height; };
    for (const Case& c : {Case{8, 96, -11}, Case{3, 12, -1}, Case{-9, 96, 12}, Case{-3, 12, 1}})
        EXPECT_EQ(HeightOfPoints(c.points, c.ppi), c.height) << c.points << " pt at " << c.ppi;
}

TEST(MessageSizes, ThatLeaveTheIntRangeAreRefused)
{
    EXPECT_THROW(ScrollStartOf(352, 264, INT_MAX, 20), EOutOfResources);
    EXPECT_THROW(WidenedCreditWidth(INT_MAX, 3), EOutOfResources);
    EXPECT_THROW(HeightOfPoints(INT_MAX, 96), EOutOfResources);
}
