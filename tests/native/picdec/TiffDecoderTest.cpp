#include <gtest/gtest.h>

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
    TiffPlan plan{.width = kWidth, .height = kHeight, .bitsPerSample = bits, .photometric = photometric,
                  .compression = compression, .rows = PatternRows(kWidth, kHeight, bits)};
    if (photometric == PHOTOMETRIC_PALETTE)
        plan.colourMap = TiffColourMap(PatternPalette(1 << bits));
    return plan;
}

TiffPlan RgbTiff(const RgbPicture& picture, int compression, bool alpha = false)
{
    return TiffPlan{.width = picture.width, .height = picture.height, .samplesPerPixel = alpha ? 4 : 3,
                    .photometric = PHOTOMETRIC_RGB, .compression = compression, .alpha = alpha,
                    .rows = SampleRows(picture, alpha ? "rgba" : "rgb")};
}

TEST(TiffDecoder, KeepsPalettesAndGreyOfEveryDepthAndCompression)
{
    std::vector<TiffPlan> plans;
    for (const int photometric : {PHOTOMETRIC_PALETTE, PHOTOMETRIC_MINISBLACK, PHOTOMETRIC_MINISWHITE})
        for (const int compression :
             {COMPRESSION_NONE, COMPRESSION_PACKBITS, COMPRESSION_LZW, COMPRESSION_ADOBE_DEFLATE})
            for (const int bits : {1, 2, 4, 8})
                plans.push_back(IndexedTiff(bits, photometric, compression));
    plans.push_back(IndexedTiff(8, PHOTOMETRIC_PALETTE, COMPRESSION_LZW));
    plans.back().tileSize = 16;
    for (const int compression : {COMPRESSION_CCITTFAX3, COMPRESSION_CCITTFAX4})
        plans.push_back(IndexedTiff(1, PHOTOMETRIC_MINISWHITE, compression));
    for (const TiffPlan& plan : plans) {
        SCOPED_TRACE(testing::Message() << plan.bitsPerSample << " bits, photometric " << plan.photometric
                                        << ", compression " << plan.compression << ", tiles " << plan.tileSize);
        const Palette palette = plan.photometric == PHOTOMETRIC_PALETTE
                                    ? PatternPalette(1 << plan.bitsPerSample)
                                    : GreyPalette(plan.bitsPerSample, plan.photometric == PHOTOMETRIC_MINISWHITE);
        ExpectDecodes(TiffFile(plan), plan.bitsPerSample == 2 ? 4 : plan.bitsPerSample,
                      IndexedPicture(kWidth, kHeight, palette), palette);
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

TEST(TiffDecoder, ConvertsCmykAndJpegCompressedYCbCrToRgb)
{
    const TiffPlan cmyk{.width = 3, .height = 2, .samplesPerPixel = 4, .photometric = PHOTOMETRIC_SEPARATED,
                        .rows = {{255, 0, 0, 0, 0, 255, 0, 0, 0, 0, 255, 0},  // cyan, magenta, yellow
                                 {0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 0, 0}}};  // no ink, black, cyan and magenta
    const RgbPicture inks{3, 2, {{0, 255, 255}, {255, 0, 255}, {255, 255, 0}, {255, 255, 255}, {0, 0, 0}, {0, 0, 255}}};
    ExpectDecodes(TiffFile(cmyk), 24, inks);

    const RgbPicture picture = GradientPicture(kWidth, kHeight);
    TiffPlan ycbcr = RgbTiff(picture, COMPRESSION_JPEG);
    ycbcr.photometric = PHOTOMETRIC_YCBCR;
    ycbcr.rowsPerStrip = 16;
    const Decoded decoded = DecodeFile(TiffFile(ycbcr));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 24);
    EXPECT_LE(LargestDifference(decoded.bitmap, picture), 20);  // libtiff encodes at quality 75
}

TEST(TiffDecoder, DecodesTilesAndStripsTallerThanThePictureInSmallBuffers)
{
    const RgbPicture picture = PatternPicture(64, 12);
    TiffPlan tallTiles = RgbTiff(picture, COMPRESSION_ADOBE_DEFLATE);
    tallTiles.tileSize = 16;
    tallTiles.tileHeight = 32768;  // a band of whole tiles would take 6 MiB
    TiffPlan tallStrip = RgbTiff(picture, COMPRESSION_ADOBE_DEFLATE);
    tallStrip.rowsPerStrip = 1 << 20;
    for (const TiffPlan& plan : {tallTiles, tallStrip}) {
        const File file = TiffFile(plan);
        Decoded decoded;
        {
            const AllocationCap cap(1 << 20);
            decoded.status = ReadPicture(file, ReadRequest{}, decoded.bitmap);
        }
        ASSERT_EQ(decoded.status, Status::Ok) << (plan.tileSize != 0 ? "tall tiles" : "tall strip");
        EXPECT_EQ(LargestDifference(decoded.bitmap, picture), 0);
    }
}

TEST(TiffDecoder, RefusesTilesFarWiderThanThePictureWithoutAskingForTheirMemory)
{
    const TiffPlan plan{.width = 16, .height = 1, .samplesPerPixel = 3, .photometric = PHOTOMETRIC_RGB,
                        .tileSize = 1u << 30, .tileHeight = 16, .rawTile = {0}};  // one tile row takes 3 GiB
    const File file = TiffFile(plan);
    const AllocationCap cap(1 << 20);
    MemoryBitmap bitmap;
    EXPECT_EQ(ReadPicture(file, ReadRequest{}, bitmap), Status::OutOfMemory);
    EXPECT_LE(cap.LargestRequest(), std::size_t{1} << 20);
}

}  // namespace
}  // namespace picdec::samples
