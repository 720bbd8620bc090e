#include <gtest/gtest.h>

#include "tests/native/picdec/DecodeHelpers.h"
#include "tests/native/picdec/writers/EncodedPictures.h"

namespace picdec::samples {
namespace {

constexpr std::uint32_t kWidth = 19;
constexpr std::uint32_t kHeight = 11;

PngPlan IndexedPng(int colourType, int bits, bool interlaced)
{
    PngPlan plan{kWidth, kHeight, colourType, bits, interlaced, {}, {}, {}, -1};
    for (std::uint32_t y = 0; y < kHeight; ++y) {
        std::vector<std::uint8_t> indices;
        for (std::uint32_t x = 0; x < kWidth; ++x)
            indices.push_back(PatternIndex(x, y, 1 << bits));
        plan.rows.push_back(PackRow(indices, bits));
    }
    if (colourType == 3)
        plan.palette = PatternPalette(1 << bits);
    return plan;
}

// Samples of the pattern picture: channels 3 or 4 (alpha), 8 or 16 bits.
PngPlan RgbPng(const RgbPicture& picture, int bits, bool alpha, bool interlaced)
{
    PngPlan plan{picture.width, picture.height, alpha ? 6 : 2, bits, interlaced, {}, {}, {}, -1};
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        std::vector<std::uint8_t> row;
        for (std::uint32_t x = 0; x < picture.width; ++x) {
            const Colour c = picture.At(x, y);
            std::vector<std::uint8_t> samples{c.red, c.green, c.blue};
            if (alpha)
                samples.push_back(static_cast<std::uint8_t>(x * 255 / (picture.width - 1)));
            for (const std::uint8_t s : samples) {
                row.push_back(s);
                if (bits == 16)
                    row.push_back(0x5A);  // low byte, dropped by the decoder
            }
        }
        plan.rows.push_back(row);
    }
    return plan;
}

RgbPicture OnWhitePicture(const RgbPicture& picture)
{
    RgbPicture result = picture;
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        for (std::uint32_t x = 0; x < picture.width; ++x) {
            const auto alpha = static_cast<std::uint8_t>(x * 255 / (picture.width - 1));
            const Colour c = picture.At(x, y);
            result.pixels[y * picture.width + x] = Colour{OnWhite(c.red, alpha), OnWhite(c.green, alpha), OnWhite(c.blue, alpha)};
        }
    }
    return result;
}

TEST(PngDecoder, KeepsPalettesOfEveryDepthInterlacedOrNot)
{
    for (const int bits : {1, 2, 4, 8}) {
        for (const bool interlaced : {false, true}) {
            SCOPED_TRACE(testing::Message() << bits << " bits, interlaced " << interlaced);
            const PngPlan plan = IndexedPng(3, bits, interlaced);
            const Decoded decoded = DecodeFile(PngFile(plan));
            ASSERT_EQ(decoded.status, Status::Ok);
            EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, bits == 2 ? 4 : bits);
            EXPECT_EQ(decoded.bitmap.Colours(), plan.palette);
            EXPECT_TRUE(ShowsPicture(decoded.bitmap, IndexedPicture(kWidth, kHeight, plan.palette)));
        }
    }
}

TEST(PngDecoder, ShowsGreyLevelsThroughAGreyPalette)
{
    for (const int bits : {1, 2, 4, 8}) {
        SCOPED_TRACE(testing::Message() << bits << " bits");
        const Decoded decoded = DecodeFile(PngFile(IndexedPng(0, bits, false)));
        ASSERT_EQ(decoded.status, Status::Ok);
        EXPECT_EQ(decoded.bitmap.Colours(), GreyPalette(bits));
        EXPECT_TRUE(ShowsPicture(decoded.bitmap, IndexedPicture(kWidth, kHeight, GreyPalette(bits))));
    }
}

TEST(PngDecoder, ReadsSixteenBitGreyByItsHighByte)
{
    PngPlan plan{kWidth, kHeight, 0, 16, false, {}, {}, {}, -1};
    RgbPicture expected{kWidth, kHeight, {}};
    for (std::uint32_t y = 0; y < kHeight; ++y) {
        std::vector<std::uint8_t> row;
        for (std::uint32_t x = 0; x < kWidth; ++x) {
            const std::uint8_t level = PatternColour(x, y).green;
            row.insert(row.end(), {level, 0x77});
            expected.pixels.push_back(Colour{level, level, level});
        }
        plan.rows.push_back(row);
    }
    const Decoded decoded = DecodeFile(PngFile(plan));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 8);
    EXPECT_TRUE(ShowsPicture(decoded.bitmap, expected));
}

TEST(PngDecoder, ReadsTrueColourOfEightAndSixteenBitsInterlacedOrNot)
{
    const RgbPicture picture = PatternPicture(kWidth, kHeight);
    for (const int bits : {8, 16}) {
        for (const bool interlaced : {false, true}) {
            SCOPED_TRACE(testing::Message() << bits << " bits, interlaced " << interlaced);
            const Decoded decoded = DecodeFile(PngFile(RgbPng(picture, bits, false, interlaced)));
            ASSERT_EQ(decoded.status, Status::Ok);
            EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 24);
            EXPECT_TRUE(ShowsPicture(decoded.bitmap, picture));
        }
    }
}

TEST(PngDecoder, ComposesAlphaOnWhite)
{
    const RgbPicture picture = PatternPicture(kWidth, kHeight);
    for (const bool interlaced : {false, true}) {
        const Decoded decoded = DecodeFile(PngFile(RgbPng(picture, 8, true, interlaced)));
        ASSERT_EQ(decoded.status, Status::Ok);
        EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 24);
        EXPECT_TRUE(ShowsPicture(decoded.bitmap, OnWhitePicture(picture)));
    }
}

TEST(PngDecoder, ComposesGreyWithAlphaOnWhiteInGrey)
{
    PngPlan plan{kWidth, kHeight, 4, 8, false, {}, {}, {}, -1};
    RgbPicture expected{kWidth, kHeight, {}};
    for (std::uint32_t y = 0; y < kHeight; ++y) {
        std::vector<std::uint8_t> row;
        for (std::uint32_t x = 0; x < kWidth; ++x) {
            const std::uint8_t level = PatternColour(x, y).red;
            const auto alpha = static_cast<std::uint8_t>(y * 25);
            row.insert(row.end(), {level, alpha});
            const std::uint8_t shown = OnWhite(level, alpha);
            expected.pixels.push_back(Colour{shown, shown, shown});
        }
        plan.rows.push_back(row);
    }
    const Decoded decoded = DecodeFile(PngFile(plan));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 8);
    EXPECT_TRUE(ShowsPicture(decoded.bitmap, expected));
}

TEST(PngDecoder, ShowsTransparentPaletteEntriesAndGreyLevelsOnWhite)
{
    PngPlan indexed = IndexedPng(3, 4, false);
    indexed.paletteAlpha = {0, 128};
    Decoded decoded = DecodeFile(PngFile(indexed));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.Colours()[0], (Colour{255, 255, 255}));
    const Colour half = indexed.palette[1];
    EXPECT_EQ(decoded.bitmap.Colours()[1], (Colour{OnWhite(half.red, 128), OnWhite(half.green, 128), OnWhite(half.blue, 128)}));
    EXPECT_EQ(decoded.bitmap.Colours()[2], indexed.palette[2]);

    PngPlan grey = IndexedPng(0, 8, false);
    grey.transparentGrey = 0;
    decoded = DecodeFile(PngFile(grey));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.Colours()[0], (Colour{255, 255, 255}));
    EXPECT_EQ(decoded.bitmap.Colours()[1], (Colour{1, 1, 1}));
}

}  // namespace
}  // namespace picdec::samples
