#include "tests/native/picdec/DecodeHelpers.h"

namespace picdec::samples {
namespace {

constexpr std::int32_t kWidth = 13;  // odd, so rows need padding
constexpr std::int32_t kHeight = 5;

TEST(BmpDecoder, ReadsPalettedPicturesWithEveryHeaderAndHonoursColoursUsedAndTopDownRows)
{
    for (const std::uint32_t header : {12u, 40u, 108u, 124u}) {
        for (const int bits : {1, 4, 8}) {
            SCOPED_TRACE(testing::Message() << "header " << header << ", " << bits << " bits");
            const Palette palette = PatternPalette(1 << bits);
            const BmpPlan plan{.headerSize = header, .width = kWidth, .height = kHeight, .bitsPerPixel = bits,
                               .palette = palette, .pixels = BmpRows(PatternRows(kWidth, kHeight, bits))};
            ExpectDecodes(BmpFile(plan), bits, IndexedPicture(kWidth, kHeight, palette), palette);
        }
    }
    // A top-down file stores its top row first: the reverse of BmpRows' order.
    const Palette palette = PatternPalette(17);
    const Rows rows = PatternRows(kWidth, kHeight, 8, 17);
    const BmpPlan plan{.width = kWidth, .height = -kHeight, .bitsPerPixel = 8, .coloursUsed = 17, .palette = palette,
                       .pixels = BmpRows(Rows(rows.rbegin(), rows.rend()))};
    ExpectDecodes(BmpFile(plan), 8, IndexedPicture(kWidth, kHeight, palette), palette);
}

// Pixels of 16, 24 or 32 bits holding each channel's top bits at its shift,
// and the picture they show: those bits scaled back to 0..255.
std::pair<Row, RgbPicture> Masked(RgbPicture picture, int bits, std::array<int, 3> shifts, std::array<int, 3> widths)
{
    Rows rows(picture.height);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        Colour& c = picture.pixels[i];
        std::uint8_t* channels[] = {&c.red, &c.green, &c.blue};
        std::uint32_t pixel = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            const int top = *channels[k] >> (8 - widths[k]), max = (1 << widths[k]) - 1;
            pixel |= static_cast<std::uint32_t>(top) << shifts[k];
            *channels[k] = static_cast<std::uint8_t>((top * 255 + max / 2) / max);
        }
        for (int b = 0; b < bits / 8; ++b)
            rows[i / picture.width].push_back(static_cast<std::uint8_t>(pixel >> (8 * b)));
    }
    return {BmpRows(rows), picture};
}

TEST(BmpDecoder, ReadsTrueColourThroughTheDefaultOrTheGivenMasks)
{
    using Masks = std::array<std::uint32_t, 4>;
    struct Case { int bits; std::uint32_t header, compression; Masks masks; std::array<int, 3> shifts, widths; };
    const Case cases[] = {
        {24, 40, 0, {}, {16, 8, 0}, {8, 8, 8}}, {16, 40, 0, {}, {10, 5, 0}, {5, 5, 5}},
        {16, 40, 3, {0xF800, 0x07E0, 0x001F, 0}, {11, 5, 0}, {5, 6, 5}},
        {32, 124, 3, {0x0000FF00, 0x00FF0000, 0xFF000000, 0x000000FF}, {8, 16, 24}, {8, 8, 8}},  // masks in the header
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bits << " bits, compression " << c.compression);
        const auto [pixels, shown] = Masked(PatternPicture(kWidth, kHeight), c.bits, c.shifts, c.widths);
        const BmpPlan plan{.headerSize = c.header, .width = kWidth, .height = kHeight, .bitsPerPixel = c.bits,
                           .compression = c.compression, .masks = c.masks, .pixels = pixels};
        ExpectDecodes(BmpFile(plan), 24, shown);
    }
}

TEST(BmpDecoder, ExpandsRunLengthCodes)
{
    // The stored codes, bottom row first; the indices shown, top row first.
    struct Case { const char* what; int bits; std::uint32_t compression; Row pixels; std::vector<std::vector<int>> top; };
    const Case cases[] = {
        {"RLE8 runs, a padded absolute run, a delta, line and picture ends", 8, 1,
         {3, 1, 0, 3, 2, 3, 4, 0, 0, 0, 0, 2, 2, 0, 2, 5, 0, 0, 6, 7, 0, 1},
         {{7, 7, 7, 7, 7, 7}, {0, 0, 5, 5, 0, 0}, {1, 1, 1, 2, 3, 4}}},
        {"RLE4 alternating nibbles, an absolute run padded to a word", 4, 2,
         {5, 0x1F, 0, 0, 0, 3, 0x23, 0x40, 0, 0, 0, 1}, {{2, 3, 4, 0, 0, 0, 0}, {1, 15, 1, 15, 1, 0, 0}}},
        {"a run past the right edge is clipped", 8, 1, {9, 2, 0, 0, 1, 3, 0, 1}, {{3, 0, 0}, {2, 2, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Sixteen colours also for RLE8: a short table, told only by where the pixels begin.
        const BmpPlan plan{.width = static_cast<std::int32_t>(c.top[0].size()),
                           .height = static_cast<std::int32_t>(c.top.size()), .bitsPerPixel = c.bits,
                           .compression = c.compression, .palette = PatternPalette(16), .pixels = c.pixels};
        const Decoded decoded = DecodeFile(BmpFile(plan));
        ASSERT_EQ(decoded.status, Status::Ok);
        for (std::uint32_t y = 0; y < c.top.size(); ++y)
            for (std::uint32_t x = 0; x < c.top[y].size(); ++x)
                EXPECT_EQ(decoded.bitmap.PixelIndex(x, y), c.top[y][x]) << x << "," << y;
    }
}

}  // namespace
}  // namespace picdec::samples
