#include <gtest/gtest.h>

#include <set>

#include "picdec/colour/NearestColour.h"
#include "tests/native/picdec/DecodeHelpers.h"
#include "tests/native/picdec/writers/EncodedPictures.h"
#include "tests/native/picdec/writers/HandBuiltPictures.h"

namespace picdec::samples {
namespace {

File TrueColourBmp(const RgbPicture& picture)
{
    std::vector<std::vector<std::uint8_t>> rows;
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        std::vector<std::uint8_t> row;
        for (std::uint32_t x = 0; x < picture.width; ++x) {
            const Colour c = picture.At(x, y);
            row.insert(row.end(), {c.blue, c.green, c.red});
        }
        rows.push_back(row);
    }
    BmpPlan plan;
    plan.width = static_cast<std::int32_t>(picture.width);
    plan.height = static_cast<std::int32_t>(picture.height);
    plan.pixels = BmpRows(rows);
    return BmpFile(plan);
}

File PalettedGif(int colourBits, std::uint32_t width, std::uint32_t height)
{
    GifPlan plan;
    plan.screenWidth = plan.width = static_cast<int>(width);
    plan.screenHeight = plan.height = static_cast<int>(height);
    plan.colourBits = colourBits;
    plan.palette = PatternPalette(1 << colourBits);
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x)
            plan.indices.push_back(PatternIndex(x, y, 1 << colourBits));
    return GifFile(plan);
}

std::set<std::uint32_t> ColoursShown(const MemoryBitmap& bitmap)
{
    std::set<std::uint32_t> colours;
    for (std::uint32_t y = 0; y < bitmap.View().height; ++y) {
        for (std::uint32_t x = 0; x < bitmap.View().width; ++x) {
            const Colour c = bitmap.PixelColour(x, y);
            colours.insert(static_cast<std::uint32_t>(c.red) << 16 | static_cast<std::uint32_t>(c.green) << 8 | c.blue);
        }
    }
    return colours;
}

double MeanSquaredError(const MemoryBitmap& bitmap, const RgbPicture& picture)
{
    double sum = 0;
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        for (std::uint32_t x = 0; x < picture.width; ++x) {
            const Colour a = bitmap.PixelColour(x, y);
            const Colour b = picture.At(x, y);
            const int d[3] = {a.red - b.red, a.green - b.green, a.blue - b.blue};
            sum += d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
        }
    }
    return sum / (3.0 * picture.width * picture.height);
}

TEST(ResolutionCode, GivesTheStatedDepthAndAtMostItsNumberOfColours)
{
    const RgbPicture gradient = GradientPicture(64, 48);
    const File file = TrueColourBmp(gradient);
    const std::pair<int, std::size_t> codes[] = {{8, 256}, {4, 16}, {1, 2}};
    for (const auto& [code, colours] : codes) {
        for (const bool dither : {false, true}) {
            SCOPED_TRACE(testing::Message() << "code " << code << ", dither " << dither);
            const Decoded decoded = DecodeFile(file, code, dither);
            ASSERT_EQ(decoded.status, Status::Ok);
            EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, code);
            EXPECT_LE(decoded.bitmap.Colours().size(), colours);
            EXPECT_GE(decoded.bitmap.Colours().size(), colours / 2);
        }
    }
}

TEST(ResolutionCode, TwentyFourGivesTrueColourEvenForPalettedPictures)
{
    const Decoded decoded = DecodeFile(PalettedGif(4, 9, 7), 24);
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 24);
    EXPECT_TRUE(decoded.bitmap.Colours().empty());
    EXPECT_TRUE(ShowsPicture(decoded.bitmap, IndexedPicture(9, 7, PatternPalette(16))));
}

TEST(ResolutionCode, ZeroKeepsThePicturesOwnDepth)
{
    EXPECT_EQ(DecodeFile(PalettedGif(4, 9, 7), 0).bitmap.View().bitsPerPixel, 4);
    EXPECT_EQ(DecodeFile(TrueColourBmp(GradientPicture(9, 7)), 0).bitmap.View().bitsPerPixel, 24);
}

TEST(ResolutionCode, KeepsAPaletteThatFitsAndRepacksItsIndices)
{
    const Decoded decoded = DecodeFile(PalettedGif(4, 9, 7), 8);
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 8);
    EXPECT_EQ(decoded.bitmap.Colours(), PatternPalette(16));
    EXPECT_TRUE(ShowsPicture(decoded.bitmap, IndexedPicture(9, 7, PatternPalette(16))));
}

TEST(ResolutionCode, ReducesAPalettedPictureWithTooManyColours)
{
    const Decoded decoded = DecodeFile(PalettedGif(8, 40, 30), 4);
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 4);
    EXPECT_LE(decoded.bitmap.Colours().size(), 16u);
}

TEST(ResolutionCode, UsesThePicturesOwnColoursWhenTheyFit)
{
    RgbPicture picture = PatternPicture(20, 10);
    const Colour few[] = {{10, 20, 30}, {200, 100, 0}, {0, 255, 0}, {1, 2, 3}, {250, 250, 250}};
    for (std::size_t i = 0; i < picture.pixels.size(); ++i)
        picture.pixels[i] = few[(i * 7) % 5];
    for (const bool dither : {false, true}) {
        const Decoded decoded = DecodeFile(TrueColourBmp(picture), 4, dither);
        ASSERT_EQ(decoded.status, Status::Ok);
        EXPECT_EQ(decoded.bitmap.Colours().size(), 5u);
        EXPECT_TRUE(ShowsPicture(decoded.bitmap, picture));
    }
}

TEST(ResolutionCode, RefusesUnknownCodes)
{
    for (const int code : {2, 16, 32, -1})
        EXPECT_EQ(DecodeFile(PalettedGif(4, 9, 7), code).status, Status::BadResolutionCode) << code;
}

TEST(ColourReduction, NearestColourMapsEveryPixelToItsClosestEntry)
{
    const RgbPicture gradient = GradientPicture(64, 48);
    const Decoded decoded = DecodeFile(TrueColourBmp(gradient), 4, false);
    ASSERT_EQ(decoded.status, Status::Ok);
    const Palette& palette = decoded.bitmap.Colours();
    NearestColour nearest(palette);
    for (std::uint32_t y = 0; y < gradient.height; ++y) {
        for (std::uint32_t x = 0; x < gradient.width; ++x) {
            const Colour c = gradient.At(x, y);
            const Colour best = palette[static_cast<std::size_t>(nearest.Find(c.red, c.green, c.blue))];
            const Colour got = decoded.bitmap.PixelColour(x, y);
            auto distance = [&c](const Colour& p) {
                return (p.red - c.red) * (p.red - c.red) + (p.green - c.green) * (p.green - c.green) +
                       (p.blue - c.blue) * (p.blue - c.blue);
            };
            ASSERT_EQ(distance(got), distance(best)) << x << "," << y;
        }
    }
}

TEST(ColourReduction, DitheringChangesPixelsAndKeepsTheAverageColour)
{
    const RgbPicture gradient = GradientPicture(64, 48);
    const File file = TrueColourBmp(gradient);
    const Decoded nearest = DecodeFile(file, 4, false);
    const Decoded dithered = DecodeFile(file, 4, true);
    ASSERT_EQ(dithered.status, Status::Ok);
    std::size_t changed = 0;
    for (std::uint32_t y = 0; y < gradient.height; ++y)
        for (std::uint32_t x = 0; x < gradient.width; ++x)
            changed += nearest.bitmap.PixelColour(x, y) != dithered.bitmap.PixelColour(x, y) ? 1 : 0;
    EXPECT_GT(changed, gradient.pixels.size() / 10);
    // Error diffusion keeps local averages: a 4x4 box blur is closer to the original.
    auto blurredError = [&gradient](const MemoryBitmap& bitmap) {
        double sum = 0;
        for (std::uint32_t y = 0; y + 4 <= gradient.height; y += 4) {
            for (std::uint32_t x = 0; x + 4 <= gradient.width; x += 4) {
                double a = 0, b = 0;
                for (std::uint32_t dy = 0; dy < 4; ++dy)
                    for (std::uint32_t dx = 0; dx < 4; ++dx) {
                        a += bitmap.PixelColour(x + dx, y + dy).red;
                        b += gradient.At(x + dx, y + dy).red;
                    }
                sum += (a - b) * (a - b) / 256.0;
            }
        }
        return sum;
    };
    EXPECT_LT(blurredError(dithered.bitmap), blurredError(nearest.bitmap) / 2);
}

TEST(ColourReduction, TwoHundredFiftySixColoursComeCloseToTheOriginal)
{
    const RgbPicture gradient = GradientPicture(128, 96);
    const Decoded decoded = DecodeFile(TrueColourBmp(gradient), 8, false);
    ASSERT_EQ(decoded.status, Status::Ok);
    // A fixed 6x6x6 palette gives about 200 here; a chosen one far less.
    EXPECT_LT(MeanSquaredError(decoded.bitmap, gradient), 25.0);
    EXPECT_GT(ColoursShown(decoded.bitmap).size(), 200u);
}

}  // namespace
}  // namespace picdec::samples
