#include <tuple>

#include "tests/native/picdec/DecodeHelpers.h"

namespace picdec::samples {
namespace {

GifPlan PatternGif(int width, int height, int colourBits)
{
    GifPlan plan{.screenWidth = width, .screenHeight = height, .width = width, .height = height,
                 .colourBits = colourBits, .palette = PatternPalette(1 << colourBits)};
    for (const Row& row : PatternRows(width, height, 8, 1 << colourBits))
        plan.indices.insert(plan.indices.end(), row.begin(), row.end());
    return plan;
}

TEST(GifDecoder, DecodesTheFirstFrameAtTheDepthOfItsColourTable)
{
    const std::pair<int, int> depths[] = {{1, 1}, {2, 4}, {4, 4}, {5, 8}, {8, 8}};
    for (const auto& [colourBits, dibBits] : depths) {
        for (const bool interlaced : {false, true}) {
            SCOPED_TRACE(testing::Message() << colourBits << " bits, interlaced " << interlaced);
            GifPlan plan = PatternGif(21, 13, colourBits);
            plan.interlaced = interlaced;
            plan.localColourMap = colourBits == 5;
            ExpectDecodes(GifFile(plan), dibBits, IndexedPicture(21, 13, plan.palette), plan.palette);
        }
    }
}

// Around a smaller frame the transparent colour shows white, else the
// background does; a frame that lies outside the screen grows it.
TEST(GifDecoder, PlacesTheFrameOnItsScreen)
{
    struct Case { int screenWidth, screenHeight, left, top, transparent; std::uint32_t width, height, outsideX, outsideY; };
    for (const Case& c : {Case{7, 6, 2, 1, 5, 7, 6, 6, 5}, {5, 4, 0, 0, -1, 5, 4, 4, 3}, {3, 2, 1, 0, -1, 5, 3, 0, 0}}) {
        GifPlan plan = PatternGif(4, 3, 4);
        std::tie(plan.screenWidth, plan.screenHeight, plan.left, plan.top, plan.transparent, plan.background) =
            std::tuple(c.screenWidth, c.screenHeight, c.left, c.top, c.transparent, 3);
        const Decoded decoded = DecodeFile(GifFile(plan));
        ASSERT_EQ(decoded.status, Status::Ok);
        EXPECT_EQ(decoded.bitmap.View().width, c.width);
        EXPECT_EQ(decoded.bitmap.View().height, c.height);
        EXPECT_EQ(decoded.bitmap.PixelIndex(c.outsideX, c.outsideY), c.transparent >= 0 ? c.transparent : 3);
        EXPECT_EQ(decoded.bitmap.PixelIndex(c.left + 3, c.top + 2), PatternIndex(3, 2, 16));
        EXPECT_EQ(decoded.bitmap.Colours()[5], (c.transparent >= 0 ? Colour{255, 255, 255} : plan.palette[5]));
    }
}

// The format allows minimum code sizes up to 8; the field's tools read up to 12,
// with the code table growing and the codes widening as for smaller sizes.
TEST(GifDecoder, ReadsLzwCodeSizesUpToTwelveAndRefusesLarger)
{
    for (const int codeSize : {9, 11, 12, 13}) {
        SCOPED_TRACE(codeSize);
        GifPlan plan = PatternGif(300, 7, 8);
        plan.lzwCodeSize = codeSize;
        plan.localColourMap = codeSize == 11;
        const Decoded decoded = DecodeFile(GifFile(plan));
        ASSERT_EQ(decoded.status, codeSize > 12 ? Status::CorruptData : Status::Ok);
        if (codeSize <= 12) {
            EXPECT_EQ(LargestDifference(decoded.bitmap, IndexedPicture(300, 7, plan.palette)), 0);
        }
    }
}

}  // namespace
}  // namespace picdec::samples
