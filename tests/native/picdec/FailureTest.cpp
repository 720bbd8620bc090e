#include <gtest/gtest.h>

#include <limits>

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

File BmpOfSize(std::int32_t width, std::int32_t height, int bits)
{
    return BmpFile({.width = width, .height = height, .bitsPerPixel = bits,
                    .palette = bits <= 8 ? GreyPalette(bits) : Palette{}, .pixels = std::vector<std::uint8_t>(64, 0)});
}

TEST(Limits, RefuseOversizedAndEmptyPicturesOfEveryFormatBeforeAllocating)
{
    struct Case { const char* what; File file; int resolution; Status status; };
    const Case cases[] = {
        {"16384 x 10923 x 3 bytes, just over 512 MiB", BmpOfSize(16384, 10923, 24), 0, Status::BitmapTooLarge},
        {"paletted, too large as true colour", BmpOfSize(16384, 10923, 8), 24, Status::BitmapTooLarge},
        {"65536 wide", BmpOfSize(65536, 1, 1), 0, Status::DimensionTooLarge},
        {"65536 high", BmpOfSize(1, 65536, 1), 0, Status::DimensionTooLarge},
        {"empty", BmpOfSize(0, 5, 24), 0, Status::EmptyPicture},
        {"PCX", PcxFile({.width = 40000, .height = 20000}), 0, Status::BitmapTooLarge},
        {"GIF screen", GifFile({.screenWidth = 65535, .screenHeight = 20000, .width = 1, .height = 1, .indices = {0}}),
         0, Status::BitmapTooLarge},
    };
    for (const Case& c : cases) {
        CountingSink sink;
        ReadRequest request;
        request.resolution = c.resolution;
        EXPECT_EQ(ReadPicture(c.file, request, sink), c.status) << c.what;
        EXPECT_EQ(sink.created, 0) << c.what;
    }
    EXPECT_EQ(CheckBitmapShape(16384, 10922, 24, DecodeLimits{}), Status::Ok);
    EXPECT_EQ(CheckBitmapShape(16384, 10923, 8, DecodeLimits{}), Status::Ok);
    EXPECT_EQ(CheckBitmapShape(65535, 1, 24, DecodeLimits{}), Status::Ok);
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

TEST(CorruptFiles, TruncatedFilesOfEveryFormatFailAsTruncated)
{
    PcxPlan pcx{.width = 40, .height = 30, .lines = Rows(30, std::vector<std::uint8_t>(40, 0x17))};
    for (std::size_t y = 0; y < 30; ++y)
        pcx.lines[y][y] = 0xC5;
    GifPlan gif{.screenWidth = 40, .screenHeight = 30, .width = 40, .height = 30, .palette = PatternPalette(256)};
    for (std::uint32_t i = 0; i < 1200; ++i)
        gif.indices.push_back(static_cast<std::uint8_t>(i * 7));
    const std::pair<File, std::size_t> files[] = {  // a file, and the size of its headers
        {JpegFile(PatternPicture(40, 30)), 700},
        {PngFile({.width = 40, .height = 30, .rows = SampleRows(PatternPicture(40, 30), "rgb")}), 60},
        {GifFile(gif), 800}, {PcxFile(pcx), 130},
        {BmpFile({.width = 40, .height = 30, .pixels = std::vector<std::uint8_t>(3600, 0x33)}), 60},
    };
    // Every proper prefix fails, and those past the headers as truncated.
    for (const auto& [file, headers] : files) {
        for (std::size_t size = 0; size < file.size(); size += std::max<std::size_t>(1, file.size() / 40)) {
            const auto end = file.begin() + static_cast<std::ptrdiff_t>(size);
            const Status status = DecodeFile(File(file.begin(), end)).status;
            EXPECT_FALSE(Succeeded(status)) << "prefix " << size << " of " << file.size();
            if (size > headers) {
                EXPECT_EQ(status, Status::TruncatedData) << "prefix " << size << " of " << file.size();
            }
        }
    }
    // libtiff writes the strips first and the directory after them.
    const File tiff = TiffFile({.width = 40, .height = 30, .rows = Rows(30, std::vector<std::uint8_t>(40, 0x55))});
    for (const std::size_t size : {std::size_t{4}, std::size_t{100}, tiff.size() - 20})
        EXPECT_EQ(DecodeFile(File(tiff.begin(), tiff.begin() + static_cast<std::ptrdiff_t>(size))).status,
                  Status::TruncatedData)
            << "TIFF prefix " << size;
}

// Damaged data fails as corrupt, variants the decoders do not read say so.
TEST(CorruptFiles, FailAsCorruptOrUnsupported)
{
    File jpeg = JpegFile(PatternPicture(64, 64));
    std::fill_n(jpeg.begin() + static_cast<std::ptrdiff_t>(jpeg.size() / 2), 40, 0xFF);
    File png = PngFile({.width = 8, .height = 8, .rows = Rows(8, std::vector<std::uint8_t>(24, 1))});
    png[40] ^= 0x55;  // inside IDAT: its CRC no longer matches
    BmpPlan rle{.width = 4, .height = 2, .bitsPerPixel = 8, .compression = 1, .palette = GreyPalette(8),
                .pixels = {0, 0, 0, 0}};
    const File rle8 = BmpFile(rle);  // two line ends, no end of picture: fine
    rle.compression = 2;             // RLE4 with 8 bits per pixel
    const std::pair<File, Status> cases[] = {
        {jpeg, Status::CorruptData}, {png, Status::CorruptData}, {rle8, Status::Ok}, {BmpFile(rle), Status::CorruptData},
        {BmpFile({.width = 1, .height = 1, .compression = 4, .pixels = {0, 0, 0, 0}}), Status::UnsupportedVariant},
        {PcxFile({.bitsPerPlane = 4, .planes = 4, .width = 1, .height = 1}), Status::UnsupportedVariant},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(DecodeFile(cases[i].first).status, cases[i].second) << "case " << i;
}

// The library's string table is made from these: code -1 first, then down.
TEST(FailureCodes, RunFromMinusOneDownWithAMessageEach)
{
    const auto messages = FailureMessages();
    for (std::size_t i = 0; i < messages.size(); ++i) {
        EXPECT_EQ(static_cast<int>(messages[i].status), -1 - static_cast<int>(i));
        EXPECT_EQ(MessageOf(messages[i].status), messages[i].text);
    }
    EXPECT_EQ(StringIdOf(Status::CannotReadFile), 65534);
    EXPECT_EQ(MessageOf(Status::TruncatedData), "The picture file ends before the picture is complete.");
    EXPECT_TRUE(MessageOf(Status::Ok).empty());
}

}  // namespace
}  // namespace picdec::samples
