#include "picture/PicViewMessageLayout.h"

#include <gtest/gtest.h>

#include <climits>

#include "framework/Exceptions.h"

TEST(CreditLine, IsSpacedAndWidenedByOnePartInItsLengthLessTwo)
{
    struct Case {
        const char* line;
        const char* spaced;
        int measured, widened;
    };
    for (const Case& c : {Case{"Hello", "  Hello ", 48, 56}, Case{" Hello ", " Hello ", 50, 60},
                          Case{"Hello ", "  Hello ", 48, 56}, Case{" Hi", " Hi ", 20, 30}, Case{"x", "  x ", 9, 13}}) {
        const std::string spaced = SpacedCreditLine(c.line);
        EXPECT_EQ(spaced, c.spaced) << c.line;
        EXPECT_EQ(WidenedCreditWidth(c.measured, spaced.size()), c.widened) << c.line;
    }
}

TEST(CreditLine, OfOneOrTwoSpacesKeepsItsWidth)
{
    for (const char* line : {" ", "  "}) {
        const std::string spaced = SpacedCreditLine(line);
        EXPECT_EQ(spaced, line);
        EXPECT_EQ(WidenedCreditWidth(7, spaced.size()), 7) << spaced.size();
    }
}

TEST(ScrollStart, EntersAtTheRightEdgeHalfwayDown)
{
    const ScrollStart start = ScrollStartOf(352, 264, 200, 21);
    EXPECT_EQ(start.x, 352);
    EXPECT_EQ(start.xEnd, 552);
    EXPECT_EQ(start.y, 121);
    EXPECT_EQ(ScrollStartOf(100, 10, 50, 20).y, -5);
}

TEST(MessageSizes, ThatLeaveTheIntRangeAreRefused)
{
    EXPECT_THROW(ScrollStartOf(352, 264, INT_MAX, 20), EOutOfResources);
    EXPECT_THROW(WidenedCreditWidth(INT_MAX, 3), EOutOfResources);
    EXPECT_THROW(HeightOfPoints(INT_MAX, 96), EOutOfResources);
}

TEST(HeightOfPoints, RoundsLikeMulDiv)
{
    struct Case {
        int points, ppi, height;
    };
    for (const Case& c : {Case{8, 96, -11}, Case{10, 96, -13}, Case{12, 96, -16}, Case{3, 120, -5}, Case{3, 12, -1}, Case{-9, 96, 12}})
        EXPECT_EQ(HeightOfPoints(c.points, c.ppi), c.height) << c.points << " pt at " << c.ppi;
}
