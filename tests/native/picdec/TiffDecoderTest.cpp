#include <gtest/gtest.h>

#include <cstring>

#include <tiffio.h>

#include "tests/native/picdec/AllocationCap.h"
#include "tests/native/picdec/DecodeHelpers.h"
#include "tests/native/picdec/writers/EncodedPictures.h"

namespace picdec::samples {
namespace {

constexpr std::uint32_t kWidth = 37;  // more than two 16-pixel tiles, not a multiple
constexpr std::uint32_t kHeight = 20;

TiffPlan IndexedTiff(int bits, int photometric, int compression)
{
    TiffPlan plan;
    plan.width = kWidth;
    plan.height = kHeight;
    plan.bitsPerSample = bits;
    plan.photometric = photometric;
    plan.compression = compression;
    for (std::uint32_t y = 0; y < kHeight; ++y) {
        std::vector<std::uint8_t> indices;
        for (std::uint32_t x = 0; x < kWidth; ++x)
            indices.push_back(PatternIndex(x, y, 1 << bits));
        plan.rows.push_back(PackRow(indices, bits));
    }
    if (photometric == PHOTOMETRIC_PALETTE) {
        const Palette palette = PatternPalette(1 << bits);
        for (int channel = 0; channel < 3; ++channel)
            for (const Colour& c : palette)
                plan.colourMap.push_back(static_cast<std::uint16_t>((channel == 0 ? c.red : channel == 1 ? c.green : c.blue) * 257));
    }
    return plan;
}

TiffPlan RgbTiff(const RgbPicture& picture, int compression, bool alpha)
{
    TiffPlan plan;
    plan.width = picture.width;
    plan.height = picture.height;
    plan.samplesPerPixel = alpha ? 4 : 3;
    plan.alpha = alpha;
    plan.photometric = PHOTOMETRIC_RGB;
    plan.compression = compression;
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        std::vector<std::uint8_t> row;
        for (std::uint32_t x = 0; x < picture.width; ++x) {
            const Colour c = picture.At(x, y);
            row.insert(row.end(), {c.red, c.green, c.blue});
            if (alpha)
                row.push_back(x % 2 == 0 ? 255 : 0);
        }
        plan.rows.push_back(row);
    }
    return plan;
}

TEST(TiffDecoder, KeepsPalettesOfEveryDepthWithEveryLosslessCompression)
{
    for (const int compression : {COMPRESSION_NONE, COMPRESSION_PACKBITS, COMPRESSION_LZW, COMPRESSION_ADOBE_DEFLATE}) {
        for (const int bits : {1, 2, 4, 8}) {
            SCOPED_TRACE(testing::Message() << bits << " bits, compression " << compression);
            const TiffPlan plan = IndexedTiff(bits, PHOTOMETRIC_PALETTE, compression);
            const Palette palette = PatternPalette(1 << bits);
            const Decoded decoded = DecodeFile(TiffFile(plan));
            ASSERT_EQ(decoded.status, Status::Ok);
            EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, bits == 2 ? 4 : bits);
            EXPECT_EQ(decoded.bitmap.Colours(), palette);
            EXPECT_TRUE(ShowsPicture(decoded.bitmap, IndexedPicture(kWidth, kHeight, palette)));
        }
    }
}

TEST(TiffDecoder, ReadsTiledPages)
{
    TiffPlan plan = IndexedTiff(8, PHOTOMETRIC_PALETTE, COMPRESSION_LZW);
    plan.tileSize = 16;
    const Decoded decoded = DecodeFile(TiffFile(plan));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_TRUE(ShowsPicture(decoded.bitmap, IndexedPicture(kWidth, kHeight, PatternPalette(256))));
}

TEST(TiffDecoder, DecodesTilesAndStripsTallerThanThePictureInSmallBuffers)
{
    const RgbPicture picture = PatternPicture(64, 12);
    TiffPlan tallTiles = RgbTiff(picture, COMPRESSION_ADOBE_DEFLATE, false);
    tallTiles.tileSize = 16;
    tallTiles.tileHeight = 32768;  // a band of whole tiles would take 6 MiB
    TiffPlan tallStrip = RgbTiff(picture, COMPRESSION_ADOBE_DEFLATE, false);
    tallStrip.rowsPerStrip = 1 << 20;
    for (const TiffPlan& plan : {tallTiles, tallStrip}) {
        const File file = TiffFile(plan);
        Decoded decoded;
        {
            const AllocationCap cap(1 << 20);
            decoded.status = ReadPicture(file, ReadRequest{}, decoded.bitmap);
        }
        ASSERT_EQ(decoded.status, Status::Ok) << (plan.tileSize != 0 ? "tall tiles" : "tall strip");
        EXPECT_TRUE(ShowsPicture(decoded.bitmap, picture));
    }
}

TEST(TiffDecoder, RefusesTilesFarWiderThanThePictureWithoutAskingForTheirMemory)
{
    TiffPlan plan;
    plan.width = 16;
    plan.height = 1;
    plan.samplesPerPixel = 3;
    plan.photometric = PHOTOMETRIC_RGB;
    plan.tileSize = 1u << 30;  // one tile row takes 3 GiB
    plan.tileHeight = 16;
    plan.rawTile = {0};
    const File file = TiffFile(plan);
    const AllocationCap cap(1 << 20);
    MemoryBitmap bitmap;
    EXPECT_EQ(ReadPicture(file, ReadRequest{}, bitmap), Status::OutOfMemory);
    EXPECT_LE(cap.LargestRequest(), std::size_t{1} << 20);
}

TEST(TiffDecoder, ShowsGreyInBothPolaritiesThroughAPalette)
{
    for (const int bits : {1, 2, 4, 8}) {
        for (const int photometric : {PHOTOMETRIC_MINISBLACK, PHOTOMETRIC_MINISWHITE}) {
            SCOPED_TRACE(testing::Message() << bits << " bits, photometric " << photometric);
            const Palette grey = GreyPalette(bits, photometric == PHOTOMETRIC_MINISWHITE);
            const Decoded decoded = DecodeFile(TiffFile(IndexedTiff(bits, photometric, COMPRESSION_NONE)));
            ASSERT_EQ(decoded.status, Status::Ok);
            EXPECT_EQ(decoded.bitmap.Colours(), grey);
            EXPECT_TRUE(ShowsPicture(decoded.bitmap, IndexedPicture(kWidth, kHeight, grey)));
        }
    }
}

TEST(TiffDecoder, ReadsSixteenBitGreyByItsHighByte)
{
    TiffPlan plan = IndexedTiff(8, PHOTOMETRIC_MINISBLACK, COMPRESSION_LZW);
    plan.bitsPerSample = 16;
    RgbPicture expected{kWidth, kHeight, {}};
    for (std::uint32_t y = 0; y < kHeight; ++y) {
        plan.rows[y].clear();
        for (std::uint32_t x = 0; x < kWidth; ++x) {
            const std::uint16_t level = static_cast<std::uint16_t>(PatternColour(x, y).blue * 256 + 99);
            std::uint8_t bytes[2];
            std::memcpy(bytes, &level, 2);
            plan.rows[y].insert(plan.rows[y].end(), bytes, bytes + 2);
            const auto high = static_cast<std::uint8_t>(level >> 8);
            expected.pixels.push_back(Colour{high, high, high});
        }
    }
    const Decoded decoded = DecodeFile(TiffFile(plan));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 8);
    EXPECT_TRUE(ShowsPicture(decoded.bitmap, expected));
}

TEST(TiffDecoder, DecodesCcittFaxPagesAsBlackOnWhite)
{
    for (const int compression : {COMPRESSION_CCITTFAX3, COMPRESSION_CCITTFAX4}) {
        SCOPED_TRACE(compression);
        const Decoded decoded = DecodeFile(TiffFile(IndexedTiff(1, PHOTOMETRIC_MINISWHITE, compression)));
        ASSERT_EQ(decoded.status, Status::Ok);
        EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 1);
        EXPECT_TRUE(ShowsPicture(decoded.bitmap, IndexedPicture(kWidth, kHeight, GreyPalette(1, true))));
    }
}

TEST(TiffDecoder, ReadsRgbAndComposesAlphaOnWhite)
{
    const RgbPicture picture = PatternPicture(kWidth, kHeight);
    for (const int compression : {COMPRESSION_NONE, COMPRESSION_LZW}) {
        Decoded decoded = DecodeFile(TiffFile(RgbTiff(picture, compression, false)));
        ASSERT_EQ(decoded.status, Status::Ok);
        EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 24);
        EXPECT_TRUE(ShowsPicture(decoded.bitmap, picture));

        decoded = DecodeFile(TiffFile(RgbTiff(picture, compression, true)));
        ASSERT_EQ(decoded.status, Status::Ok);
        RgbPicture expected = picture;
        for (std::uint32_t y = 0; y < kHeight; ++y)
            for (std::uint32_t x = 1; x < kWidth; x += 2)
                expected.pixels[y * kWidth + x] = Colour{255, 255, 255};
        EXPECT_TRUE(ShowsPicture(decoded.bitmap, expected));
    }
}

TEST(TiffDecoder, ConvertsCmykToRgb)
{
    TiffPlan plan;
    plan.width = 4;
    plan.height = 2;
    plan.samplesPerPixel = 4;
    plan.photometric = PHOTOMETRIC_SEPARATED;
    plan.rows = {{255, 0, 0, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 0, 0, 0},
                 {0, 0, 0, 255, 0, 0, 0, 128, 255, 255, 0, 0, 0, 0, 0, 0}};
    const Decoded decoded = DecodeFile(TiffFile(plan));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.PixelColour(0, 0), (Colour{0, 255, 255}));
    EXPECT_EQ(decoded.bitmap.PixelColour(1, 0), (Colour{255, 0, 255}));
    EXPECT_EQ(decoded.bitmap.PixelColour(2, 0), (Colour{255, 255, 0}));
    EXPECT_EQ(decoded.bitmap.PixelColour(3, 0), (Colour{255, 255, 255}));
    EXPECT_EQ(decoded.bitmap.PixelColour(0, 1), (Colour{0, 0, 0}));
    EXPECT_EQ(decoded.bitmap.PixelColour(2, 1), (Colour{0, 0, 255}));
}

TEST(TiffDecoder, DecodesJpegCompressedYCbCrPages)
{
    const RgbPicture picture = GradientPicture(kWidth, kHeight);
    TiffPlan plan = RgbTiff(picture, COMPRESSION_JPEG, false);
    plan.photometric = PHOTOMETRIC_YCBCR;
    plan.rowsPerStrip = 16;
    const Decoded decoded = DecodeFile(TiffFile(plan));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 24);
    EXPECT_LE(LargestDifference(decoded.bitmap, picture), 20);  // libtiff encodes at quality 75
}

TEST(TiffDecoder, DecodesLzmaZstdWebpAndJbigPages)
{
    const RgbPicture picture = PatternPicture(kWidth, kHeight);
    for (const int compression : {COMPRESSION_LZMA, COMPRESSION_ZSTD, COMPRESSION_WEBP}) {
        SCOPED_TRACE(compression);
        const Decoded decoded = DecodeFile(TiffFile(RgbTiff(picture, compression, false)));
        ASSERT_EQ(decoded.status, Status::Ok);
        EXPECT_TRUE(ShowsPicture(decoded.bitmap, picture));
    }
    TiffPlan jbigPlan = IndexedTiff(1, PHOTOMETRIC_MINISBLACK, COMPRESSION_JBIG);
    jbigPlan.rowsPerStrip = kHeight;  // libtiff writes JBIG as one strip only
    const Decoded jbig = DecodeFile(TiffFile(jbigPlan));
    ASSERT_EQ(jbig.status, Status::Ok);
    EXPECT_TRUE(ShowsPicture(jbig.bitmap, IndexedPicture(kWidth, kHeight, GreyPalette(1))));
}

// The compression entry of a classic little-endian TIFF's first directory.
void SetCompression(File& file, std::uint16_t compression)
{
    std::uint32_t directory = 0;
    std::memcpy(&directory, file.data() + 4, 4);
    std::uint16_t count = 0;
    std::memcpy(&count, file.data() + directory, 2);
    for (std::uint32_t entry = directory + 2; entry < directory + 2 + count * 12u; entry += 12) {
        std::uint16_t tag = 0;
        std::memcpy(&tag, file.data() + entry, 2);
        if (tag == TIFFTAG_COMPRESSION)
            std::memcpy(file.data() + entry + 8, &compression, 2);
    }
}

TEST(TiffDecoder, RefusesACompressionWithoutADecoderAsAnUnreadableVariant)
{
    File file = TiffFile(IndexedTiff(8, PHOTOMETRIC_PALETTE, COMPRESSION_NONE));
    SetCompression(file, COMPRESSION_JP2000);
    EXPECT_EQ(DecodeFile(file).status, Status::UnsupportedVariant);
}

}  // namespace
}  // namespace picdec::samples
