#include <gtest/gtest.h>

#include "tests/native/picdec/DecodeHelpers.h"
#include "tests/native/picdec/writers/EncodedPictures.h"

namespace picdec::samples {
namespace {

GifSpec PatternGif(int width, int height, int colourBits)
{
    GifSpec spec;
    spec.screenWidth = spec.width = width;
    spec.screenHeight = spec.height = height;
    spec.colourBits = colourBits;
    spec.palette = PatternPalette(1 << colourBits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            spec.indices.push_back(PatternIndex(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), 1 << colourBits));
    return spec;
}

TEST(GifDecoder, DecodesTheFirstFrameAtTheDepthOfItsColourTable)
{
    const std::pair<int, int> depths[] = {{1, 1}, {2, 4}, {4, 4}, {5, 8}, {8, 8}};
    for (const auto& [colourBits, dibBits] : depths) {
        for (const bool interlaced : {false, true}) {
            SCOPED_TRACE(testing::Message() << colourBits << " bits, interlaced " << interlaced);
            GifSpec spec = PatternGif(21, 13, colourBits);
            spec.interlaced = interlaced;
            spec.localColourMap = colourBits == 5;
            const Decoded decoded = DecodeFile(GifFile(spec));
            ASSERT_EQ(decoded.status, Status::Ok);
            EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, dibBits);
            EXPECT_EQ(decoded.bitmap.Colours(), spec.palette);
            EXPECT_TRUE(ShowsPicture(decoded.bitmap, IndexedPicture(21, 13, spec.palette)));
        }
    }
}

TEST(GifDecoder, ShowsTheTransparentColourAsWhiteAroundAndInsideASmallerFrame)
{
    GifSpec spec = PatternGif(4, 3, 4);
    spec.screenWidth = 7;
    spec.screenHeight = 6;
    spec.left = 2;
    spec.top = 1;
    spec.transparent = 5;
    spec.background = 3;
    const Decoded decoded = DecodeFile(GifFile(spec));
    ASSERT_EQ(decoded.status, Status::Ok);
    ASSERT_EQ(decoded.bitmap.View().width, 7u);
    ASSERT_EQ(decoded.bitmap.View().height, 6u);
    EXPECT_EQ(decoded.bitmap.Colours()[5], (Colour{255, 255, 255}));
    EXPECT_EQ(decoded.bitmap.PixelIndex(0, 0), 5);
    EXPECT_EQ(decoded.bitmap.PixelIndex(6, 5), 5);
    EXPECT_EQ(decoded.bitmap.PixelIndex(2 + 3, 1 + 2), PatternIndex(3, 2, 16));
}

TEST(GifDecoder, FillsAroundAnOpaqueFrameWithTheBackgroundColour)
{
    GifSpec spec = PatternGif(2, 2, 8);
    spec.screenWidth = 5;
    spec.screenHeight = 4;
    spec.background = 200;
    const Decoded decoded = DecodeFile(GifFile(spec));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.PixelIndex(4, 3), 200);
    EXPECT_EQ(decoded.bitmap.PixelIndex(1, 1), PatternIndex(1, 1, 256));
}

TEST(GifDecoder, GrowsTheScreenToAFrameThatLiesOutsideIt)
{
    GifSpec spec = PatternGif(6, 5, 4);
    spec.screenWidth = 3;
    spec.screenHeight = 2;
    spec.left = 1;
    const Decoded decoded = DecodeFile(GifFile(spec));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.View().width, 7u);
    EXPECT_EQ(decoded.bitmap.View().height, 5u);
}

}  // namespace
}  // namespace picdec::samples
