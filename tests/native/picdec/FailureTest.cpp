#include <gtest/gtest.h>

#include <limits>
#include <set>

#include "tests/native/picdec/DecodeHelpers.h"
#include "tests/native/picdec/writers/EncodedPictures.h"
#include "tests/native/picdec/writers/HandBuiltPictures.h"

namespace picdec::samples {
namespace {

// Counts the bitmaps asked for: refused pictures must not get one.
class CountingSink final : public BitmapSink {
public:
    DibView CreateBitmap(std::uint32_t width, std::uint32_t height, int bits, const Palette& palette) override
    {
        ++created;
        return inner.CreateBitmap(width, height, bits, palette);
    }
    int created = 0;
    MemoryBitmap inner;
};

Status ReadWithCount(const File& file, int& created, int resolution = 0)
{
    CountingSink sink;
    ReadRequest request;
    request.resolution = resolution;
    const Status status = ReadPicture(file, request, sink);
    created = sink.created;
    return status;
}

File BmpOfSize(std::int32_t width, std::int32_t height, int bits)
{
    BmpPlan plan;
    plan.width = width;
    plan.height = height;
    plan.bitsPerPixel = bits;
    plan.pixels.assign(64, 0);
    if (bits <= 8)
        plan.palette = GreyPalette(bits);
    return BmpFile(plan);
}

TEST(Limits, RefuseBitmapsOverFiveHundredTwelveMebibytesBeforeAllocating)
{
    int created = 0;
    // 16384 x 10923 x 3 bytes is just over 512 MiB; the 8-bit version is under.
    EXPECT_EQ(ReadWithCount(BmpOfSize(16384, 10923, 24), created), Status::BitmapTooLarge);
    EXPECT_EQ(created, 0);
    EXPECT_EQ(CheckBitmapShape(16384, 10922, 24, DecodeLimits{}), Status::Ok);
    EXPECT_EQ(CheckBitmapShape(16384, 10923, 8, DecodeLimits{}), Status::Ok);
}

TEST(Limits, RefuseAPalettedPictureWhoseTrueColourVersionIsTooLarge)
{
    int created = 0;
    EXPECT_EQ(ReadWithCount(BmpOfSize(16384, 10923, 8), created, 24), Status::BitmapTooLarge);
    EXPECT_EQ(created, 0);
}

TEST(Limits, RefuseSidesOverSixtyFiveThousandFiveHundredThirtyFive)
{
    int created = 0;
    EXPECT_EQ(ReadWithCount(BmpOfSize(65536, 1, 1), created), Status::DimensionTooLarge);
    EXPECT_EQ(ReadWithCount(BmpOfSize(1, 65536, 1), created), Status::DimensionTooLarge);
    EXPECT_EQ(created, 0);
    EXPECT_EQ(CheckBitmapShape(65535, 1, 24, DecodeLimits{}), Status::Ok);
}

TEST(Limits, ApplyToEveryFormatsHeader)
{
    PcxPlan pcx;
    pcx.width = 40000;
    pcx.height = 20000;
    int created = 0;
    EXPECT_EQ(ReadWithCount(PcxFile(pcx), created), Status::BitmapTooLarge);
    GifPlan gif;
    gif.screenWidth = 65535;
    gif.screenHeight = 20000;
    gif.width = gif.height = 1;
    gif.colourBits = 8;
    gif.indices = {0};
    EXPECT_EQ(ReadWithCount(GifFile(gif), created), Status::BitmapTooLarge);
    EXPECT_EQ(created, 0);
}

TEST(Limits, AnAllocationThatFindsNoMemoryReportsNotEnoughMemory)
{
    // Raised limits let a picture through that no address space holds.
    const std::int32_t side = sizeof(std::size_t) > 4 ? INT32_MAX : 37000;
    ReadRequest request;
    request.resolution = 8;  // decoded into a true-colour bitmap of its own first
    request.limits = {std::numeric_limits<std::size_t>::max(), std::numeric_limits<std::uint32_t>::max()};
    CountingSink sink;
    EXPECT_EQ(ReadPicture(BmpOfSize(side, side, 24), request, sink), Status::OutOfMemory);
    EXPECT_EQ(sink.created, 0);
}

TEST(Limits, RefuseEmptyPictures)
{
    int created = 0;
    EXPECT_EQ(ReadWithCount(BmpOfSize(0, 5, 24), created), Status::EmptyPicture);
    EXPECT_EQ(created, 0);
}

// Every proper prefix of a valid file fails, and those past the header fail
// as truncated.
void ExpectPrefixesFail(const File& file, std::size_t headerBytes)
{
    for (std::size_t size = 0; size < file.size(); size += std::max<std::size_t>(1, file.size() / 40)) {
        const File prefix(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
        const Status status = DecodeFile(prefix).status;
        EXPECT_FALSE(Succeeded(status)) << "prefix " << size << " of " << file.size();
        if (size > headerBytes) {
            EXPECT_EQ(status, Status::TruncatedData) << "prefix " << size << " of " << file.size();
        }
    }
}

TEST(CorruptFiles, TruncatedFilesOfEveryFormatFailAsTruncated)
{
    const RgbPicture picture = PatternPicture(40, 30);
    ExpectPrefixesFail(JpegFile(picture), 700);
    PngPlan png{40, 30, 2, 8, false, {}, {}, {}, -1};
    for (std::uint32_t y = 0; y < 30; ++y)
        png.rows.emplace_back(120, static_cast<std::uint8_t>(y * 8));
    ExpectPrefixesFail(PngFile(png), 60);
    GifPlan gif;
    gif.screenWidth = gif.width = 40;
    gif.screenHeight = gif.height = 30;
    gif.palette = PatternPalette(256);
    for (std::uint32_t i = 0; i < 1200; ++i)
        gif.indices.push_back(static_cast<std::uint8_t>(i * 7));
    ExpectPrefixesFail(GifFile(gif), 800);
    PcxPlan pcx;
    pcx.width = 40;
    pcx.height = 30;
    pcx.lines.assign(30, std::vector<std::uint8_t>(40, 0x17));
    for (std::size_t y = 0; y < 30; ++y)
        pcx.lines[y][y] = 0xC5;
    ExpectPrefixesFail(PcxFile(pcx), 130);
    BmpPlan bmp;
    bmp.width = 40;
    bmp.height = 30;
    bmp.pixels.assign(3600, 0x33);
    ExpectPrefixesFail(BmpFile(bmp), 60);
}

TEST(CorruptFiles, TiffFilesCutBeforeTheirDirectoryFailAsTruncated)
{
    TiffPlan tiff;
    tiff.width = 40;
    tiff.height = 30;
    tiff.rows.assign(30, std::vector<std::uint8_t>(40, 0x55));
    const File file = TiffFile(tiff);
    // libtiff writes the strips first and the directory after them.
    for (const std::size_t size : {std::size_t{4}, std::size_t{100}, file.size() - 20}) {
        const File cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_EQ(DecodeFile(cut).status, Status::TruncatedData) << size;
    }
}

TEST(CorruptFiles, DamagedDataFailsAsCorrupt)
{
    File jpeg = JpegFile(PatternPicture(64, 64));
    for (std::size_t i = jpeg.size() / 2; i < jpeg.size() / 2 + 40; ++i)
        jpeg[i] = 0xFF;
    EXPECT_EQ(DecodeFile(jpeg).status, Status::CorruptData);

    PngPlan png{8, 8, 2, 8, false, std::vector<std::vector<std::uint8_t>>(8, std::vector<std::uint8_t>(24, 1)), {}, {}, -1};
    File damagedPng = PngFile(png);
    damagedPng[40] ^= 0x55;  // inside IDAT: its CRC no longer matches
    EXPECT_EQ(DecodeFile(damagedPng).status, Status::CorruptData);

    BmpPlan rle;
    rle.width = 4;
    rle.height = 2;
    rle.bitsPerPixel = 8;
    rle.compression = 1;
    rle.palette = GreyPalette(8);
    rle.pixels = {0, 0, 0, 0};  // two line ends, no end of picture: fine
    EXPECT_EQ(DecodeFile(BmpFile(rle)).status, Status::Ok);
    rle.compression = 2;  // RLE4 with 8 bits per pixel
    EXPECT_EQ(DecodeFile(BmpFile(rle)).status, Status::CorruptData);
}

TEST(CorruptFiles, UnsupportedVariantsSaySo)
{
    BmpPlan bmp;
    bmp.width = bmp.height = 1;
    bmp.bitsPerPixel = 24;
    bmp.compression = 4;  // embedded JPEG
    bmp.pixels = {0, 0, 0, 0};
    EXPECT_EQ(DecodeFile(BmpFile(bmp)).status, Status::UnsupportedVariant);
    PcxPlan pcx;
    pcx.bitsPerPlane = 4;
    pcx.planes = 4;
    pcx.width = pcx.height = 1;
    EXPECT_EQ(DecodeFile(PcxFile(pcx)).status, Status::UnsupportedVariant);
}

TEST(FailureCodes, RunFromMinusOneDownWithAMessageEach)
{
    const auto messages = FailureMessages();
    std::set<std::string_view> texts;
    int expected = -1;
    for (const FailureMessage& m : messages) {
        EXPECT_EQ(static_cast<int>(m.status), expected--);
        EXPECT_FALSE(m.text.empty());
        EXPECT_LE(m.text.size(), 255u);
        texts.insert(m.text);
    }
    EXPECT_EQ(texts.size(), messages.size());
    EXPECT_EQ(StringIdOf(Status::CannotOpenFile), 65535);
    EXPECT_EQ(StringIdOf(Status::CannotReadFile), 65534);
    EXPECT_EQ(MessageOf(Status::TruncatedData), "The picture file ends before the picture is complete.");
    EXPECT_TRUE(MessageOf(Status::Ok).empty());
}

}  // namespace
}  // namespace picdec::samples
