#include <tiffio.h>

#include "tests/native/picdec/AllocationCap.h"
#include "tests/native/picdec/DecodeHelpers.h"

namespace picdec::samples {
namespace {

constexpr std::uint32_t kWidth = 37;  // more than two 16-pixel tiles, not a multiple
constexpr std::uint32_t kHeight = 20;

TiffPlan RgbTiff(const RgbPicture& picture, int compression, bool alpha = false)
{
    return TiffPlan{.width = picture.width, .height = picture.height, .samplesPerPixel = alpha ? 4 : 3,
                    .photometric = PHOTOMETRIC_RGB, .compression = compression, .alpha = alpha ? EXTRASAMPLE_UNASSALPHA : 0,
                    .rows = SampleRows(picture, alpha ? "rgba" : "rgb")};
}

TEST(TiffDecoder, KeepsPalettesAndGreyOfEveryDepthAndCompression)
{
    for (const int photometric : {PHOTOMETRIC_PALETTE, PHOTOMETRIC_MINISBLACK, PHOTOMETRIC_MINISWHITE}) {
        for (const int compression : {COMPRESSION_NONE, COMPRESSION_PACKBITS, COMPRESSION_LZW, COMPRESSION_ADOBE_DEFLATE,
                                      COMPRESSION_CCITTFAX3, COMPRESSION_CCITTFAX4}) {
            for (const int bits : {1, 2, 4, 8}) {
                if (compression == COMPRESSION_CCITTFAX3 || compression == COMPRESSION_CCITTFAX4) {
                    if (bits != 1 || photometric != PHOTOMETRIC_MINISWHITE)
                        continue;
                }
                SCOPED_TRACE(testing::Message() << bits << " bits, photometric " << photometric << ", compression "
                                                << compression);
                const bool paletted = photometric == PHOTOMETRIC_PALETTE;
                const Palette palette =
                    paletted ? PatternPalette(1 << bits) : GreyPalette(bits, photometric == PHOTOMETRIC_MINISWHITE);
                const TiffPlan plan{.width = kWidth, .height = kHeight, .bitsPerSample = bits, .photometric = photometric,
                                    .compression = compression, .palette = paletted ? palette : Palette{},
                                    .rows = PatternRows(kWidth, kHeight, bits)};
                ExpectDecodes(TiffFile(plan), bits == 2 ? 4 : bits, IndexedPicture(kWidth, kHeight, palette), palette);
            }
        }
    }
}

TEST(TiffDecoder, ReadsRgbOfEveryCompressionAndComposesAlphaOnWhite)
{
    const RgbPicture picture = PatternPicture(kWidth, kHeight);
    for (const int compression :
         {COMPRESSION_NONE, COMPRESSION_LZW, COMPRESSION_LZMA, COMPRESSION_ZSTD, COMPRESSION_WEBP}) {
        for (const bool alpha : {false, true}) {
            SCOPED_TRACE(testing::Message() << "compression " << compression << ", alpha " << alpha);
            const RgbPicture shown = alpha ? OnWhitePicture(picture) : picture;
            ExpectDecodes(TiffFile(RgbTiff(picture, compression, alpha)), 24, shown);
        }
    }
}

TEST(TiffDecoder, ConvertsJpegCompressedYCbCrToRgb)
{
    const RgbPicture picture = GradientPicture(kWidth, kHeight);
    TiffPlan ycbcr = RgbTiff(picture, COMPRESSION_JPEG);
    ycbcr.photometric = PHOTOMETRIC_YCBCR;
    ycbcr.rowsPerStrip = 16;
    const Decoded decoded = DecodeFile(TiffFile(ycbcr));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 24);
    EXPECT_LE(LargestDifference(decoded.bitmap, picture), 20);  // libtiff encodes at quality 75
}

// A band of the whole tall tiles would take 6 MiB, one row of the wide tiles 3 GiB.
TEST(TiffDecoder, DecodesTallTilesAndStripsInSmallBuffersAndRefusesFarWiderTilesWithoutAskingForTheirMemory)
{
    const RgbPicture picture = PatternPicture(64, 12);
    TiffPlan tallTiles = RgbTiff(picture, COMPRESSION_ADOBE_DEFLATE);
    tallTiles.tileSize = 16;
    tallTiles.tileHeight = 32768;
    TiffPlan tallStrip = RgbTiff(picture, COMPRESSION_ADOBE_DEFLATE);
    tallStrip.rowsPerStrip = 1 << 20;
    const TiffPlan wideTiles{.width = 16, .height = 1, .samplesPerPixel = 3, .photometric = PHOTOMETRIC_RGB,
                             .tileSize = 1u << 30, .tileHeight = 16, .rawTile = {0}};
    for (const auto& [plan, status] :
         {std::pair{tallTiles, Status::Ok}, {tallStrip, Status::Ok}, {wideTiles, Status::OutOfMemory}}) {
        const File file = TiffFile(plan);
        Decoded decoded;
        std::size_t largest = 0;
        {
            const AllocationCap cap(1 << 20);
            decoded.status = ReadPicture(file, ReadRequest{}, decoded.bitmap);
            largest = AllocationCap::largest;
        }
        SCOPED_TRACE(testing::Message() << plan.width << " wide, tiles " << plan.tileSize << " x " << plan.tileHeight);
        ASSERT_EQ(decoded.status, status);
        EXPECT_LE(largest, std::size_t{1} << 20);
        if (status == Status::Ok) {
            EXPECT_EQ(LargestDifference(decoded.bitmap, picture), 0);
        }
    }
}

}  // namespace
}  // namespace picdec::samples
