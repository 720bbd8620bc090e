#include <gtest/gtest.h>

#include "app/PreviewFit.h"

// A picture of exactly the box's shape (44:53) is fitted by its height.
TEST(PreviewFit, APictureOfTheBoxsShapeIsFittedByItsHeight)
{
    const PreviewSize size = FittedPreviewSize(44, 53);
    EXPECT_EQ(size.width, 353);
    EXPECT_EQ(size.height, 424);
}

TEST(PreviewInfoLine, NamesTheColourCountOfBitsTimesPlanes)
{
    for (const auto& [bits, count] : {std::pair{1LL, "2"}, {2LL, "4"}, {4LL, "16"}, {8LL, "256"}, {24LL, "16M"},
                                      {32LL, "4B"}, {16LL, "N/A"}, {0LL, "N/A"}, {1LL << 33, "N/A"}})
        EXPECT_EQ(ColorCountText(bits), count) << bits;
    EXPECT_EQ(PictureInfoText(640, 480, 8), "Picture-Info:  640x480x256");
}
