#include "picture/PicGeometry.h"

#include <gtest/gtest.h>

#include <climits>

#include "framework/Exceptions.h"
#include "picture/PicViewMessageLayout.h"

TEST(AspectFitRect, KeepsTheShapeCentresOnTheFreeAxisAndRoundsHalvesToEven)
{
    // Margin -5: x = round(-2.5) = -2; margin 5: x = round(2.5) = 2; an empty picture takes the client extent.
    for (const auto& [cw, ch, pw, ph, expected] :
         {std::tuple{352, 264, 100, 100, PaintRect{44, 0, 264, 264}}, {352, 264, 200, 50, {0, 88, 352, 88}},
          {5, 20, 10, 20, {-2, 0, 10, 20}}, {9, 20, 4, 20, {2, 0, 4, 20}}, {352, 264, 0, 0, {0, 0, 352, 264}}})
        EXPECT_EQ(AspectFitRect(cw, ch, pw, ph), expected) << pw << " x " << ph << " in " << cw;
}

TEST(ActualSizeRect, CentresByHalfTheDifferenceTruncatedTowardZero)
{
    EXPECT_EQ(ActualSizeRect(352, 264, 401, 301, true), (PaintRect{-24, -18, 401, 301}));
    EXPECT_EQ(ActualSizeRect(352, 264, 100, 51, true), (PaintRect{126, 106, 100, 51}));
    EXPECT_EQ(ActualSizeRect(352, 264, 400, 300, false), (PaintRect{0, 0, 400, 300}));
}

TEST(HeightOfPoints, RoundsHalvesAwayFromZeroLikeMulDiv)
{
    for (const auto& [points, ppi, height] : {std::tuple{8, 96, -11}, {3, 12, -1}, {-3, 12, 1}})
        EXPECT_EQ(HeightOfPoints(points, ppi), height) << points << " pt at " << ppi;
}

TEST(MessageSizes, ThatLeaveTheIntRangeAreRefused)
{
    EXPECT_THROW(ScrollStartOf(352, 264, INT_MAX, 20), EOutOfResources);
    EXPECT_THROW(WidenedCreditWidth(INT_MAX, 3), EOutOfResources);
    EXPECT_THROW(HeightOfPoints(INT_MAX, 96), EOutOfResources);
}
