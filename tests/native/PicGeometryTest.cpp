#include "picture/PicGeometry.h"

#include <gtest/gtest.h>

TEST(AspectFitRect, KeepsTheShapeAndCentresOnTheFreeAxis)
{
    struct Case {
        int pw, ph;
        PaintRect expected;
    };
    for (const Case& c : {Case{100, 100, {44, 0, 264, 264}}, Case{640, 480, {0, 0, 352, 264}},
                          Case{200, 50, {0, 88, 352, 88}}, Case{0, 50, {176, 0, 0, 264}}})
        EXPECT_EQ(AspectFitRect(352, 264, c.pw, c.ph), c.expected) << c.pw << " x " << c.ph;
}

TEST(AspectFitRect, RoundsHalvesToTheEvenNeighbour)
{
    // 10 x 20 in 5 x 20: margin 5 - 10 = -5, x = round(-2.5) = -2; w = 10.
    EXPECT_EQ(AspectFitRect(5, 20, 10, 20), (PaintRect{-2, 0, 10, 20}));
    // 4 x 20 in 9 x 20: margin 5, x = round(2.5) = 2.
    EXPECT_EQ(AspectFitRect(9, 20, 4, 20), (PaintRect{2, 0, 4, 20}));
}

TEST(AspectFitRect, FallsBackToTheClientExtentForAnEmptyPicture)
{
    EXPECT_EQ(AspectFitRect(352, 264, 0, 0), (PaintRect{0, 0, 352, 264}));
    EXPECT_EQ(AspectFitRect(352, 264, 200, 0), (PaintRect{0, 132, 352, 0}));
}

TEST(ActualSizeRect, CentresByHalfTheDifferenceTruncatedTowardZero)
{
    EXPECT_EQ(ActualSizeRect(352, 264, 400, 300, true), (PaintRect{-24, -18, 400, 300}));
    EXPECT_EQ(ActualSizeRect(352, 264, 401, 301, true), (PaintRect{-24, -18, 401, 301}));
    EXPECT_EQ(ActualSizeRect(352, 264, 100, 51, true), (PaintRect{126, 106, 100, 51}));
    EXPECT_EQ(ActualSizeRect(352, 264, 400, 300, false), (PaintRect{0, 0, 400, 300}));
}
