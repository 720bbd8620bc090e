#include <gtest/gtest.h>

#include "tests/native/picdec/DecodeHelpers.h"
#include "tests/native/picdec/writers/HandBuiltPictures.h"

namespace picdec::samples {
namespace {

constexpr std::uint32_t kWidth = 13;  // odd, so rows need padding
constexpr std::uint32_t kHeight = 5;

BmpPlan PalettedBmp(int bits, std::uint32_t headerSize)
{
    const Palette palette = PatternPalette(1 << bits);
    std::vector<std::vector<std::uint8_t>> rows;
    for (std::uint32_t y = 0; y < kHeight; ++y) {
        std::vector<std::uint8_t> indices;
        for (std::uint32_t x = 0; x < kWidth; ++x)
            indices.push_back(PatternIndex(x, y, 1 << bits));
        rows.push_back(PackRow(indices, bits));
    }
    BmpPlan plan;
    plan.headerSize = headerSize;
    plan.width = kWidth;
    plan.height = kHeight;
    plan.bitsPerPixel = bits;
    plan.palette = palette;
    plan.pixels = BmpRows(rows);
    return plan;
}

std::vector<std::vector<std::uint8_t>> BgrRowsOf(const RgbPicture& picture)
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
    return rows;
}

TEST(BmpDecoder, ReadsPalettedPicturesWithEveryHeader)
{
    for (const std::uint32_t header : {12u, 40u, 108u, 124u}) {
        for (const int bits : {1, 4, 8}) {
            SCOPED_TRACE(testing::Message() << "header " << header << ", " << bits << " bits");
            const BmpPlan plan = PalettedBmp(bits, header);
            const Decoded decoded = DecodeFile(BmpFile(plan));
            ASSERT_EQ(decoded.status, Status::Ok);
            EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, bits);
            EXPECT_EQ(decoded.bitmap.Colours(), plan.palette);
            EXPECT_TRUE(ShowsPicture(decoded.bitmap, IndexedPicture(kWidth, kHeight, plan.palette)));
        }
    }
}

TEST(BmpDecoder, HonoursColoursUsedAndTopDownRows)
{
    BmpPlan plan = PalettedBmp(8, 40);
    plan.palette.resize(17);
    plan.coloursUsed = 17;
    std::vector<std::vector<std::uint8_t>> rows;
    for (std::uint32_t y = 0; y < kHeight; ++y) {
        std::vector<std::uint8_t> row;
        for (std::uint32_t x = 0; x < kWidth; ++x)
            row.push_back(PatternIndex(x, y, 17));
        rows.push_back(row);
    }
    // A top-down file stores its top row first: reversing BmpRows' order.
    std::vector<std::vector<std::uint8_t>> reversed(rows.rbegin(), rows.rend());
    plan.pixels = BmpRows(reversed);
    plan.height = -static_cast<std::int32_t>(kHeight);
    const Decoded decoded = DecodeFile(BmpFile(plan));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.Colours().size(), 17u);
    EXPECT_TRUE(ShowsPicture(decoded.bitmap, IndexedPicture(kWidth, kHeight, plan.palette)));
}

TEST(BmpDecoder, ReadsTrueColourPictures)
{
    const RgbPicture picture = PatternPicture(kWidth, kHeight);
    BmpPlan plan;
    plan.width = kWidth;
    plan.height = kHeight;
    plan.pixels = BmpRows(BgrRowsOf(picture));
    const Decoded decoded = DecodeFile(BmpFile(plan));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 24);
    EXPECT_TRUE(ShowsPicture(decoded.bitmap, picture));
}

// 16 and 32-bit pixels built from the picture through the given masks.
std::vector<std::uint8_t> MaskedPixels(const RgbPicture& picture, int bits, const std::array<int, 3>& shifts,
                                       const std::array<int, 3>& widths)
{
    std::vector<std::vector<std::uint8_t>> rows;
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        std::vector<std::uint8_t> row;
        for (std::uint32_t x = 0; x < picture.width; ++x) {
            const Colour c = picture.At(x, y);
            const int channels[3] = {c.red, c.green, c.blue};
            std::uint32_t pixel = 0;
            for (int i = 0; i < 3; ++i)
                pixel |= static_cast<std::uint32_t>(channels[i] >> (8 - widths[static_cast<std::size_t>(i)]))
                         << shifts[static_cast<std::size_t>(i)];
            for (int b = 0; b < bits / 8; ++b)
                row.push_back(static_cast<std::uint8_t>(pixel >> (8 * b)));
        }
        rows.push_back(row);
    }
    return BmpRows(rows);
}

// What a channel cut to `width` bits reads back as, scaled to 0..255.
RgbPicture Requantised(const RgbPicture& picture, const std::array<int, 3>& widths)
{
    RgbPicture result = picture;
    for (Colour& c : result.pixels) {
        auto cut = [](std::uint8_t v, int w) {
            const int max = (1 << w) - 1;
            return static_cast<std::uint8_t>(((v >> (8 - w)) * 255 + max / 2) / max);
        };
        c = Colour{cut(c.red, widths[0]), cut(c.green, widths[1]), cut(c.blue, widths[2])};
    }
    return result;
}

TEST(BmpDecoder, ReadsSixteenBitDefaultAndBitFieldPictures)
{
    const RgbPicture picture = PatternPicture(kWidth, kHeight);
    BmpPlan plain;
    plain.width = kWidth;
    plain.height = kHeight;
    plain.bitsPerPixel = 16;
    plain.pixels = MaskedPixels(picture, 16, {10, 5, 0}, {5, 5, 5});
    Decoded decoded = DecodeFile(BmpFile(plain));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_TRUE(ShowsPicture(decoded.bitmap, Requantised(picture, {5, 5, 5})));

    BmpPlan fields = plain;
    fields.compression = 3;
    fields.masks = {0xF800, 0x07E0, 0x001F, 0};
    fields.pixels = MaskedPixels(picture, 16, {11, 5, 0}, {5, 6, 5});
    decoded = DecodeFile(BmpFile(fields));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_TRUE(ShowsPicture(decoded.bitmap, Requantised(picture, {5, 6, 5})));
}

TEST(BmpDecoder, ReadsThirtyTwoBitPicturesWithMasksInAVFiveHeader)
{
    const RgbPicture picture = PatternPicture(kWidth, kHeight);
    BmpPlan plan;
    plan.headerSize = 124;
    plan.width = kWidth;
    plan.height = kHeight;
    plan.bitsPerPixel = 32;
    plan.compression = 3;
    plan.masks = {0x0000FF00, 0x00FF0000, 0xFF000000, 0x000000FF};
    plan.pixels = MaskedPixels(picture, 32, {8, 16, 24}, {8, 8, 8});
    const Decoded decoded = DecodeFile(BmpFile(plan));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 24);
    EXPECT_TRUE(ShowsPicture(decoded.bitmap, picture));
}

// Rows are listed top first; the file holds them bottom first.
TEST(BmpDecoder, ExpandsRle8RunsAbsoluteRunsDeltasAndLineEnds)
{
    BmpPlan plan;
    plan.width = 6;
    plan.height = 3;
    plan.bitsPerPixel = 8;
    plan.compression = 1;
    plan.palette = PatternPalette(8);
    plan.pixels = {
        3, 1, 0, 3, 2, 3, 4, 0, 0, 0,  // bottom row: 1 1 1 2 3 4, padded absolute run, then end of line
        0, 2, 2, 0,                    // delta: two right -> middle row goes on at x 2
        2, 5, 0, 0,                    // two 5s, end of line
        6, 7, 0, 1,                    // top row: six 7s, end of picture
    };
    const Decoded decoded = DecodeFile(BmpFile(plan));
    ASSERT_EQ(decoded.status, Status::Ok);
    const int expected[3][6] = {{7, 7, 7, 7, 7, 7}, {0, 0, 5, 5, 0, 0}, {1, 1, 1, 2, 3, 4}};
    for (std::uint32_t y = 0; y < 3; ++y)
        for (std::uint32_t x = 0; x < 6; ++x)
            EXPECT_EQ(decoded.bitmap.PixelIndex(x, y), expected[y][x]) << x << "," << y;
}

TEST(BmpDecoder, ExpandsRle4RunsOfAlternatingNibbles)
{
    BmpPlan plan;
    plan.width = 7;
    plan.height = 2;
    plan.bitsPerPixel = 4;
    plan.compression = 2;
    plan.palette = PatternPalette(16);
    plan.pixels = {
        5, 0x1F, 0, 0,           // bottom row: 1 F 1 F 1
        0, 3, 0x23, 0x40, 0, 0,  // top row: absolute 2 3 4, padded to a word, end of line
        0, 1,
    };
    const Decoded decoded = DecodeFile(BmpFile(plan));
    ASSERT_EQ(decoded.status, Status::Ok);
    const int expected[2][7] = {{2, 3, 4, 0, 0, 0, 0}, {1, 15, 1, 15, 1, 0, 0}};
    for (std::uint32_t y = 0; y < 2; ++y)
        for (std::uint32_t x = 0; x < 7; ++x)
            EXPECT_EQ(decoded.bitmap.PixelIndex(x, y), expected[y][x]) << x << "," << y;
}

TEST(BmpDecoder, ClipsRunsThatPassTheRightEdge)
{
    BmpPlan plan;
    plan.width = 3;
    plan.height = 2;
    plan.bitsPerPixel = 8;
    plan.compression = 1;
    plan.palette = PatternPalette(4);
    plan.pixels = {9, 2, 0, 0, 1, 3, 0, 1};
    const Decoded decoded = DecodeFile(BmpFile(plan));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.PixelIndex(2, 1), 2);
    EXPECT_EQ(decoded.bitmap.PixelIndex(0, 0), 3);
    EXPECT_EQ(decoded.bitmap.PixelIndex(1, 0), 0);
}

}  // namespace
}  // namespace picdec::samples
