#include <algorithm>
#include <limits>

#include <tiffio.h>

#include "tests/native/picdec/DecodeHelpers.h"

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
                    .palette = bits <= 8 ? GreyPalette(bits) : Palette{}, .pixels = Row(64, 0)});
}

// Raised limits let the last one through, which no address space holds.
TEST(Limits, RefuseOversizedEmptyAndUnallocatablePicturesBeforeMakingTheirBitmap)
{
    const std::int32_t side = sizeof(std::size_t) > 4 ? INT32_MAX : 37000;
    const DecodeLimits raised{std::numeric_limits<std::size_t>::max(), std::numeric_limits<std::uint32_t>::max()};
    struct Case { const char* what; File file; int resolution; Status status; DecodeLimits limits = {}; };
    const Case cases[] = {
        {"16384 x 10923 x 3 bytes, just over 512 MiB", BmpOfSize(16384, 10923, 24), 0, Status::BitmapTooLarge},
        {"paletted, too large as true colour", BmpOfSize(16384, 10923, 8), 24, Status::BitmapTooLarge},
        {"65536 wide", BmpOfSize(65536, 1, 1), 0, Status::DimensionTooLarge},
        {"65536 high", BmpOfSize(1, 65536, 1), 0, Status::DimensionTooLarge},
        {"empty", BmpOfSize(0, 5, 24), 0, Status::EmptyPicture},
        {"PCX", PcxFile({.width = 40000, .height = 20000}), 0, Status::BitmapTooLarge},
        {"GIF screen", GifFile({.screenWidth = 65535, .screenHeight = 20000, .width = 1, .height = 1, .indices = {0}}),
         0, Status::BitmapTooLarge},
        {"WebP canvas", WebpCanvasHeader(16384, 16384), 0, Status::BitmapTooLarge},
        {"WebP canvas 65536 wide", WebpCanvasHeader(65536, 2), 0, Status::DimensionTooLarge},
        // Decoded into a true-colour bitmap of its own first.
        {"no memory", BmpOfSize(side, side, 24), 8, Status::OutOfMemory, raised},
    };
    for (const Case& c : cases) {
        CountingSink sink;
        ReadRequest request;
        request.resolution = c.resolution;
        request.limits = c.limits;
        EXPECT_EQ(ReadPicture(c.file, request, sink), c.status) << c.what;
        EXPECT_EQ(sink.created, 0) << c.what;
    }
    EXPECT_EQ(CheckBitmapShape(16384, 10922, 24, DecodeLimits{}), Status::Ok);
    EXPECT_EQ(CheckBitmapShape(16384, 10923, 8, DecodeLimits{}), Status::Ok);
    EXPECT_EQ(CheckBitmapShape(65535, 1, 24, DecodeLimits{}), Status::Ok);
}

// Every proper prefix fails, and those past the headers as truncated.
TEST(CorruptFiles, TruncatedFilesOfEveryFormatFailAsTruncated)
{
    const RgbPicture picture = PatternPicture(40, 30);
    const Rows reds = SampleRows(picture, "r");
    Row indices(picture.pixels.size());
    std::transform(picture.pixels.begin(), picture.pixels.end(), indices.begin(), [](Colour c) { return c.red; });
    const std::pair<File, std::size_t> files[] = {  // a file, and the size of its headers
        {JpegFile(picture), 700}, {PngFile({.width = 40, .height = 30, .rows = SampleRows(picture, "rgb")}), 60},
        {GifFile({.screenWidth = 40, .screenHeight = 30, .width = 40, .height = 30, .palette = PatternPalette(256),
                  .indices = indices}), 800},
        {PcxFile({.width = 40, .height = 30, .lines = reds}), 130},
        {BmpFile({.width = 40, .height = 30, .pixels = BmpRows(SampleRows(picture, "bgr"))}), 60},
        {TiffFile({.width = 40, .height = 30, .rows = reds}), 4},  // libtiff writes the directory last
        {WebpFile({.width = 40, .height = 30, .rows = SampleRows(picture, "rgb")}), 30},
        {WebpFile({.width = 40, .height = 30, .alpha = true, .lossless = true, .rows = SampleRows(picture, "rgba")}), 30},
    };
    for (const auto& [file, headers] : files) {
        for (std::size_t size = 0; size < file.size(); size += std::max<std::size_t>(1, file.size() / 40)) {
            const Status status = DecodeFile(File(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size))).status;
            EXPECT_FALSE(Succeeded(status)) << "prefix " << size << " of " << file.size();
            if (size > headers) {
                EXPECT_EQ(status, Status::TruncatedData) << "prefix " << size << " of " << file.size();
            }
        }
    }
}

// The TIFF file with its compression tag (one SHORT) changed.
File TiffCompressedAs(const TiffPlan& plan, int compression)
{
    File file = TiffFile(plan);
    const std::uint8_t entry[] = {0x03, 0x01, 3, 0, 1, 0, 0, 0, COMPRESSION_NONE, 0};
    const auto at = std::search(file.begin(), file.end(), std::begin(entry), std::end(entry));
    at[8] = static_cast<std::uint8_t>(compression);
    at[9] = static_cast<std::uint8_t>(compression >> 8);
    return file;
}

// Damaged data fails as corrupt; variants the decoders do not read, such as
// a compression without a decoder or JPEG of 16-bit samples, say so.
TEST(CorruptFiles, FailAsCorruptOrUnsupported)
{
    File jpeg = JpegFile(PatternPicture(64, 64));
    std::fill_n(jpeg.begin() + static_cast<std::ptrdiff_t>(jpeg.size() / 2), 40, 0xFF);
    File png = PngFile({.width = 8, .height = 8, .rows = Rows(8, Row(24, 1))});
    png[40] ^= 0x55;  // inside IDAT: its CRC no longer matches
    BmpPlan rle{.width = 4, .height = 2, .bitsPerPixel = 8, .compression = 1, .palette = GreyPalette(8),
                .pixels = {0, 0, 0, 0}};
    const File rle8 = BmpFile(rle);  // two line ends, no end of picture: fine
    rle.compression = 2;             // RLE4 with 8 bits per pixel
    const TiffPlan cmyk16{.width = 4, .height = 2, .bitsPerSample = 16, .samplesPerPixel = 4,
                          .photometric = PHOTOMETRIC_SEPARATED, .rows = Rows(2, Row(32, 0))};
    File webpOfHugeSize = WebpFile({.width = 4, .height = 4, .rows = Rows(4, Row(12, 7))});
    std::fill_n(webpOfHugeSize.begin() + 4, 4, 0xFF);  // the RIFF size
    File webpGarbage{'R', 'I', 'F', 'F', 72, 0, 0, 0, 'W', 'E', 'B', 'P'};
    webpGarbage.resize(80, 0xA5);
    const std::pair<File, Status> cases[] = {
        {jpeg, Status::CorruptData}, {png, Status::CorruptData}, {rle8, Status::Ok}, {BmpFile(rle), Status::CorruptData},
        {BmpFile({.width = 1, .height = 1, .compression = 4, .pixels = {0, 0, 0, 0}}), Status::UnsupportedVariant},
        {PcxFile({.bitsPerPlane = 4, .planes = 4, .width = 1, .height = 1}), Status::UnsupportedVariant},
        {TiffCompressedAs({.width = 1, .height = 1, .rows = {{0}}}, COMPRESSION_JP2000), Status::UnsupportedVariant},
        {TiffCompressedAs(cmyk16, COMPRESSION_JPEG), Status::UnsupportedVariant},
        {webpOfHugeSize, Status::CorruptData}, {webpGarbage, Status::CorruptData},
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
