#include "tests/native/picdec/DecodeHelpers.h"

namespace picdec::samples {
namespace {

constexpr std::uint32_t kWidth = 11;  // odd: lines are padded to an even byte count
constexpr std::uint32_t kHeight = 4;

// Splits each pixel's value over the planes, bitsPerPlane bits per plane, the lowest in the first.
template <typename ValueAt>
PcxPlan PlanarPcx(int bitsPerPlane, int planes, ValueAt value)
{
    PcxPlan plan{.bitsPerPlane = bitsPerPlane, .planes = planes, .width = kWidth, .height = kHeight};
    const int mask = (1 << bitsPerPlane) - 1;
    for (std::uint32_t y = 0; y < kHeight; ++y) {
        Row& line = plan.lines.emplace_back();
        for (int plane = 0; plane < planes; ++plane) {
            Row part;
            for (std::uint32_t x = 0; x < kWidth; ++x)
                part.push_back(static_cast<std::uint8_t>((value(x, y) >> (plane * bitsPerPlane)) & mask));
            Row packed = PackRow(part, bitsPerPlane);
            packed.resize(PcxBytesPerLine(plan), 0);
            line.insert(line.end(), packed.begin(), packed.end());
        }
    }
    return plan;
}

TEST(PcxDecoder, ReadsEveryPlaneAndBitLayoutWithItsPalette)
{
    const Palette header = PatternPalette(16), end = PatternPalette(256);
    auto first = [&header](int colours) { return Palette(header.begin(), header.begin() + colours); };
    struct Case { int bits, planes; Palette header, end; bool compressed; int dibBits; Palette shown; };
    const Case cases[] = {
        {2, 1, header, {}, true, 4, first(4)},    {4, 1, header, {}, true, 4, header},
        {1, 2, header, {}, true, 4, first(4)},    {1, 3, header, {}, true, 4, first(8)},
        {1, 4, header, {}, true, 4, header},      {2, 2, header, {}, true, 4, header},
        {1, 1, {}, {}, true, 1, GreyPalette(1)},  // monochrome: black and white
        {8, 1, {}, end, true, 8, end},            // 256 colours from the end of the file
        {8, 1, {}, end, false, 8, end},
        {8, 1, {}, {}, true, 8, GreyPalette(8)},  // no palette at all: grey
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bits << " bits x " << c.planes << " planes, " << c.end.size()
                                        << " at the end, compressed " << c.compressed);
        PcxPlan plan = PlanarPcx(c.bits, c.planes, [&c](std::uint32_t x, std::uint32_t y) {
            return PatternIndex(x, y, 1 << (c.bits * c.planes));
        });
        plan.headerPalette = c.header;
        plan.endPalette = c.end;
        plan.compressed = c.compressed;
        ExpectDecodes(PcxFile(plan), c.dibBits, IndexedPicture(kWidth, kHeight, c.shown), c.shown);
    }
}

// The fourth plane, if any, is left alone.
TEST(PcxDecoder, ReadsTwentyFourBitPicturesFromThreeOrFourPlanes)
{
    const RgbPicture picture = PatternPicture(kWidth, kHeight);
    for (const int planes : {3, 4}) {
        ExpectDecodes(PcxFile(PlanarPcx(8, planes, [&picture](std::uint32_t x, std::uint32_t y) {
                          const Colour c = picture.At(x, y);
                          return c.red | c.green << 8 | c.blue << 16 | 0x80u << 24;
                      })), 24, picture);
    }
}

TEST(PcxDecoder, FollowsRunsThatCrossLineEndsAndWideLinePadding)
{
    PcxPlan plan{.width = 3, .height = 2, .bytesPerLine = 5, .endPalette = PatternPalette(256)};  // wide padding
    File file = PcxFile(plan);
    const Row runs = {0xC7, 9, 0xC3, 4};  // seven 9s span line 1 and part of line 2
    file.insert(file.begin() + 128, runs.begin(), runs.end());
    const Decoded decoded = DecodeFile(file);
    ASSERT_EQ(decoded.status, Status::Ok);
    for (const auto& [x, y, index] : {std::tuple{0u, 0u, 9}, {2u, 0u, 9}, {0u, 1u, 9}, {1u, 1u, 9}, {2u, 1u, 4}})
        EXPECT_EQ(decoded.bitmap.PixelIndex(x, y), index) << x << "," << y;
}

}  // namespace
}  // namespace picdec::samples
