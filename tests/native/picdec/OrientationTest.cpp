// Pictures stored turned or mirrored are shown upright: a stored picture of
// six blocks,  A B C  over  D E F,  must show the blocks as each
// orientation's row of the table says, at every depth the picture is kept in.

#include <string>

#include <tiffio.h>

#include "tests/native/picdec/DecodeHelpers.h"

namespace picdec::samples {
namespace {

constexpr std::uint32_t kBlock = 15;  // odd, so blocks start inside the bytes of packed pixels
constexpr int kJpeg = 0;
constexpr int kHevc = -1;  // HEIF, whose turn and mirror are properties of the picture
constexpr int kAv1 = -2;
constexpr int kJxl = -3;  // JPEG XL, whose orientation is a field of its header

// Blocks A to F in six colours; with two colours (A and B dark, the rest
// light) the eight orientations still differ.
const Palette kSix{{220, 30, 30}, {30, 200, 30}, {30, 30, 220}, {230, 230, 40}, {200, 40, 200}, {40, 210, 210}};
const Palette kTwo{{20, 20, 20}, {240, 240, 240}};
const Palette kIndices{{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}, {5, 5, 5}};  // index i as grey level i

std::uint8_t IndexOf(char block, int bits) { return static_cast<std::uint8_t>(bits == 1 ? block > 'B' : block - 'A'); }

RgbPicture Blocks(const std::vector<std::string>& rows, int bits, const Palette& colours)
{
    return Painted(static_cast<std::uint32_t>(rows[0].size()) * kBlock, static_cast<std::uint32_t>(rows.size()) * kBlock,
                   [&](std::uint32_t x, std::uint32_t y) { return colours[IndexOf(rows[y / kBlock][x / kBlock], bits)]; });
}

// RGB for 24 bits, else palette indices, which share bytes below 8 bits.
File OrientedFile(int bits, int orientation)
{
    const std::vector<std::string> stored{"ABC", "DEF"};
    if (bits == kJpeg)
        return JpegFile(Blocks(stored, 24, kSix), {.quality = 100, .exifOrientation = orientation});
#if LUMO_HEIF_WRITER
    if (bits == kHevc || bits == kAv1) {
        HeifPlan plan{.width = 3 * kBlock, .height = 2 * kBlock, .av1 = bits == kAv1, .lossless = bits == kAv1,
                      .orientation = orientation};
        for (const Row& row : SampleRows(Blocks(stored, 24, kSix), "rgb"))
            plan.rows.emplace_back(row.begin(), row.end());
        return HeifFile(plan);
    }
    if (bits == kJxl) {
        JxlPlan plan{.width = 3 * kBlock, .height = 2 * kBlock, .orientation = orientation};
        for (const Row& row : SampleRows(Blocks(stored, 24, kSix), "rgb"))
            plan.rows.emplace_back(row.begin(), row.end());
        return JxlFile(plan);
    }
#endif
    const bool rgb = bits == 24;
    TiffPlan plan{.width = 3 * kBlock, .height = 2 * kBlock, .bitsPerSample = rgb ? 8 : bits,
                  .samplesPerPixel = rgb ? 3 : 1, .photometric = rgb ? PHOTOMETRIC_RGB : PHOTOMETRIC_PALETTE,
                  .orientation = orientation,
                  .rows = SampleRows(Blocks(stored, bits, rgb ? kSix : kIndices), rgb ? "rgb" : "r")};
    if (!rgb) {
        plan.palette = bits == 1 ? kTwo : kSix;
        plan.palette.resize(std::size_t{1} << bits);
        for (Row& row : plan.rows)
            row = PackRow(row, bits);
    }
    return TiffFile(plan);
}

TEST(Orientation, EveryTiffJpegHeifAndJpegXlOrientationIsShownUpright)
{
    const std::pair<int, std::vector<std::string>> cases[] = {  // orientation, rows of blocks as they must be shown
        {1, {"ABC", "DEF"}},       {2, {"CBA", "FED"}},       {3, {"FED", "CBA"}},       {4, {"DEF", "ABC"}},
        {5, {"AD", "BE", "CF"}},  {6, {"DA", "EB", "FC"}},  {7, {"FC", "EB", "DA"}},  {8, {"CF", "BE", "AD"}},
    };
    for (const auto& [orientation, rows] : cases) {
#if LUMO_HEIF_WRITER
        for (const int bits : {24, 1, 4, 8, kJpeg, kHevc, kAv1, kJxl}) {
#else
        for (const int bits : {24, 1, 4, 8, kJpeg}) {
#endif
            SCOPED_TRACE(testing::Message() << bits << " bits (0: JPEG, -1: HEVC, -2: AV1, -3: JPEG XL), orientation "
                                            << orientation);
            const File file = OrientedFile(bits, orientation);
            const RgbPicture upright = Blocks(rows, bits, bits == 1 ? kTwo : kSix);
            PictureInfo info;
            ASSERT_EQ(ReadPictureInfo(file, info), Status::Ok);
            EXPECT_EQ(info.width, upright.width);
            EXPECT_EQ(info.height, upright.height);
            const Decoded decoded = DecodeFile(file);
            ASSERT_EQ(decoded.status, Status::Ok);
            // A wrong block is 150 off; JPEG and HEVC blur the blocks' edges a little.
            EXPECT_LE(LargestDifference(decoded.bitmap, upright), bits == kJpeg || bits == kHevc ? 40 : 0);
        }
    }
}

}  // namespace
}  // namespace picdec::samples
