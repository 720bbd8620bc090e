#include "app/PreviewFit.h"

#include <gtest/gtest.h>

#include <climits>

// 352 / 64 = 5.5 -> 6; 1056 / 64 = 16.5 -> 16; 1272 / 848 = 1.5 -> 2; a picture of the box's shape (44:53)
// is fitted by its height.
TEST(PreviewFit, RoundsHalvesToTheEvenNeighbour)
{
    struct Case { int width, height; PreviewSize expected; };
    for (const Case& c : {Case{64, 1, {352, 7}}, Case{64, 3, {352, 17}}, Case{3, 848, {3, 424}}, Case{44, 53, {353, 424}}}) {
        const PreviewSize size = FittedPreviewSize(c.width, c.height);
        EXPECT_EQ(std::pair(size.width, size.height), std::pair(c.expected.width, c.expected.height))
            << c.width << "x" << c.height;
    }
}

TEST(PreviewFit, SidesFromAFileNeverOverflow)
{
    EXPECT_EQ(FittedPreviewSize(1, INT_MAX).width, 1);
    EXPECT_EQ(FittedPreviewSize(INT_MAX, INT_MAX).height, 353);
    EXPECT_EQ(ActualPreviewSize(INT_MAX, -5).height, 0);
}

TEST(PreviewInfoLine, NamesTheColourCountOfBitsTimesPlanes)
{
    for (const auto& [bits, count] : {std::pair{1LL, "2"}, {2LL, "4"}, {4LL, "16"}, {8LL, "256"}, {24LL, "16M"},
                                      {32LL, "4B"}, {16LL, "N/A"}, {1LL << 33, "N/A"}})
        EXPECT_EQ(ColorCountText(bits), count) << bits;
    EXPECT_EQ(PictureInfoText(640, 480, 8), "Picture-Info:  640x480x256");
}
