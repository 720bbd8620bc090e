#include "app/PreviewFit.h"

#include <gtest/gtest.h>

#include <climits>

// 352 / 64 = 5.5 -> 6; 1056 / 64 = 16.5 -> 16; 1272 / 848 = 1.5 -> 2; a picture of the box's shape (44:53)
// is fitted by its height. Sides from a file never overflow.
TEST(PreviewFit, RoundsHalvesToTheEvenNeighbourAndNeverOverflows)
{
    for (const auto& [width, height, fitted] :
         {std::tuple{64, 1, std::pair{352, 7}}, {64, 3, {352, 17}}, {3, 848, {3, 424}}, {44, 53, {353, 424}},
          {1, INT_MAX, {1, 424}}, {INT_MAX, INT_MAX, {352, 353}}}) {
        const PreviewSize size = FittedPreviewSize(width, height);
        EXPECT_EQ(std::pair(size.width, size.height), fitted) << width << "x" << height;
    }
    EXPECT_EQ(ActualPreviewSize(INT_MAX, -5).height, 0);
}

TEST(PreviewInfoLine, NamesTheColourCountOfBitsTimesPlanes)
{
    for (const auto& [bits, count] : {std::pair{1LL, "2"}, {2LL, "4"}, {4LL, "16"}, {8LL, "256"}, {24LL, "16M"},
                                      {32LL, "4B"}, {16LL, "N/A"}, {1LL << 33, "N/A"}})
        EXPECT_EQ(ColorCountText(bits), count) << bits;
    EXPECT_EQ(PictureInfoText(640, 480, 8), "Picture-Info:  640x480x256");
}
