#include <gtest/gtest.h>

#include <climits>

#include "app/PreviewFit.h"

TEST(PreviewFit, RoundsHalvesToTheEvenNeighbour)
{
    struct Case { int width, height; PreviewSize expected; };
    // 352 / 64 = 5.5 -> 6; 1056 / 64 = 16.5 -> 16; 424 / 848 = 0.5 -> 0; 1272 / 848 = 1.5 -> 2.
    for (const Case& c : {Case{64, 1, {352, 7}}, Case{64, 3, {352, 17}}, Case{1, 848, {1, 424}},
                          Case{3, 848, {3, 424}}}) {
        const PreviewSize size = FittedPreviewSize(c.width, c.height);
        EXPECT_EQ(size.width, c.expected.width) << c.width << "x" << c.height;
        EXPECT_EQ(size.height, c.expected.height) << c.width << "x" << c.height;
    }
}

TEST(PreviewFit, SidesFromAFileNeverOverflow)
{
    EXPECT_EQ(FittedPreviewSize(1, INT_MAX).width, 1);
    EXPECT_EQ(FittedPreviewSize(INT_MAX, INT_MAX).height, 353);
    EXPECT_EQ(ActualPreviewSize(INT_MAX, -5).height, 0);
}
