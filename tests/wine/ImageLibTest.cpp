#include <vector>

#include "PictureTestSupport.h"
#include "imagelib/ImageLib.h"
#include "imagelib/PicDec32.h"
#include "picdec/Status.h"
#include "tests/native/picdec/writers/EncodedPictures.h"
#include "tests/native/picdec/writers/HandBuiltPictures.h"

namespace {

using namespace picdec::samples;

// Stripes of 32 greys, each one JPEG block wide: more colours than 4 bits
// hold, so reducing them dithers only when asked to.
constexpr int kStripe = 8;
constexpr int kWidth = 32 * kStripe;
constexpr int kHeight = 8;

std::vector<std::vector<std::uint8_t>> StripeRows(bool asIndices = false)
{
    std::vector<std::uint8_t> row;
    for (int x = 0; x < kWidth; ++x)
        row.push_back(static_cast<std::uint8_t>(x / kStripe * (asIndices ? 1 : 8)));
    return std::vector<std::vector<std::uint8_t>>(kHeight, row);
}

File StripesJpeg()
{
    RgbPicture picture{kWidth, kHeight, {}};
    for (const auto& row : StripeRows())
        for (std::uint8_t grey : row)
            picture.pixels.push_back({grey, grey, grey});
    return JpegFile(picture, {.quality = 100, .grey = true});
}

picdec::Palette StripeGreys()
{
    picdec::Palette greys;
    for (int i = 0; i < 32; ++i)
        greys.push_back({std::uint8_t(i * 8), std::uint8_t(i * 8), std::uint8_t(i * 8)});
    return greys;
}

// Dithering shows as a stripe of one grey that came out in more than one colour.
bool StripesDithered(const TBitmap& bitmap)
{
    PixelCanvas pixels(kWidth, kHeight);
    TCanvas(pixels.dc()).Draw(0, 0, bitmap);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (pixels.At(x, y) != pixels.At(x - x % kStripe, 0))
                return true;
    return false;
}

} // namespace

// Resolution and dither flag differ in every case, so swapped arguments ask
// for another depth (0 gives the file's own 8 bits, 1 gives one bit); a
// dither flag that goes astray shows in the stripes.
TEST(ImageLibrary, EachReaderHandsOnItsResolutionAndDitherFlag)
{
    std::vector<std::uint8_t> indices;
    for (const auto& row : StripeRows(true))
        indices.insert(indices.end(), row.begin(), row.end());
    const std::tuple<const char*, decltype(&ReadGifFile), File, int, int> cases[] = {
        {"lumo-stripes.jpg", ReadJpgFile, StripesJpeg(), 4, 0},
        {"lumo-stripes.gif", ReadGifFile,
         GifFile({.screenWidth = kWidth, .screenHeight = kHeight, .width = kWidth, .height = kHeight,
                  .colourBits = 5, .palette = StripeGreys(), .indices = indices}),
         4, 1},
        {"lumo-stripes.pcx", ReadPcxFile,
         PcxFile({.width = kWidth, .height = kHeight, .endPalette = picdec::GreyPalette(8), .lines = StripeRows()}), 1,
         0},
        {"lumo-stripes.png", ReadPngFile, PngFile({.width = kWidth, .height = kHeight, .colourType = 0,
                                                   .rows = StripeRows()}), 4, 1},
        {"lumo-stripes.tif", ReadTifFile, TiffFile({.width = kWidth, .height = kHeight, .rows = StripeRows()}), 4, 0},
        {"lumo-stripes.bmp", ReadBmpFile,
         BmpFile({.width = kWidth, .height = kHeight, .bitsPerPixel = 8, .palette = StripeGreys(),
                  .pixels = BmpRows(StripeRows(true))}),
         4, 1},
    };
    for (const auto& [name, read, file, resolution, dither] : cases) {
        const std::string path = WriteBytes(TempFile(name), file);
        TBitmap bitmap;
        ASSERT_TRUE(read(path, resolution, dither, bitmap, 0)) << name;
        EXPECT_EQ(bitmap.BitsPerPixel(), resolution) << name;
        EXPECT_EQ(StripesDithered(bitmap), dither == 1) << name;
        ::DeleteFileA(path.c_str());
    }
}

// The 16-bit numbers of the information entry read back unsigned.
TEST(ImageLibrary, ReportsThePictureInformationWithSidesOf32768PixelsAndMoreAsPositive)
{
    const std::string path = TempFile("lumo-info.bmp");
    for (auto [width, height] : {std::pair{4, 2}, {40000, 1}, {1, 40000}}) {
        const std::size_t bytes = std::size_t((width + 31) / 32 * 4 * height);
        WriteBytes(path, BmpFile({.width = width, .height = height, .bitsPerPixel = 1,
                                  .palette = picdec::GreyPalette(1), .pixels = std::vector<std::uint8_t>(bytes)}));
        ImageInfo info;
        ASSERT_TRUE(ReadImageInfo(path, info)) << width;
        EXPECT_EQ(std::tuple(info.fileType, info.width, info.height, info.depthFactor1 * info.depthFactor2,
                             info.furtherNumber),
                  std::tuple("BMP", width, height, 1, 2));
    }
    ::DeleteFileA(path.c_str());
}

// The string table built into the library holds each failure's own message.
TEST(ImageLibrary, FailuresBeepAndShowTheLibrarysOwnMessage)
{
    ScriptedDialogs dialogs;
    TBitmap bitmap;
    EXPECT_FALSE(ReadBmpFile(TempFile("no-such-picture.bmp"), 0, 0, bitmap));
    EXPECT_TRUE(bitmap.Empty());
    ImageInfo info;
    EXPECT_FALSE(ReadImageInfo(TempFile("no-such-picture.bmp"), info));
    ASSERT_EQ(dialogs.requests.size(), 2u);
    for (const DialogRequest& request : dialogs.requests) {
        EXPECT_EQ(request.caption, "Fehler");
        ExpectMessage(request, "The picture file cannot be opened.", mtError, mbOK);
        EXPECT_EQ(request.beep, dbError);
    }
    for (const picdec::FailureMessage& failure : picdec::FailureMessages()) {
        dialogs.requests.clear();
        ShowDecoderError(static_cast<short>(failure.status));
        ASSERT_EQ(dialogs.requests.size(), 1u);
        EXPECT_EQ(dialogs.requests[0].text, failure.text) << static_cast<int>(failure.status);
    }
}

TEST(ImageLibrary, ReadsResourceBitmapsByNameAndNumberAndMissingOnesSilently)
{
    ScriptedDialogs dialogs;
    HWND window = ::GetDesktopWindow();
    TBitmap byName, byNumber, missing;
    WORD paletteSizes[2] = {};
    ASSERT_TRUE(ReadResourceBitmap("", "LOGO", window, byName));
    ASSERT_TRUE(ReadResourceBitmap("", "101", window, byNumber));
    ::GetObjectA(byName.Palette(), sizeof(WORD), &paletteSizes[0]);
    ::GetObjectA(byNumber.Palette(), sizeof(WORD), &paletteSizes[1]);
    EXPECT_EQ(std::tuple(byName.Width(), byName.Height(), paletteSizes[0]), std::tuple(4, 2, 3));
    EXPECT_EQ(std::pair(byNumber.Width(), paletteSizes[1]), std::pair(2, WORD{16}));
    EXPECT_FALSE(ReadResourceBitmap("", "NOPE", window, missing));
    EXPECT_FALSE(ReadResourceBitmap("NO-SUCH-MODULE.DLL", "LOGO", window, missing));
    EXPECT_TRUE(missing.Empty());
    EXPECT_TRUE(dialogs.requests.empty());
}
