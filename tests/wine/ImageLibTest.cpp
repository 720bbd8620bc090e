#include <vector>

#include "PictureTestSupport.h"
#include "imagelib/ImageLib.h"
#include "imagelib/PicDec32.h"
#include "picdec/Status.h"
#include "tests/native/picdec/writers/EncodedPictures.h"
#include "tests/native/picdec/writers/HandBuiltPictures.h"

namespace {

// A 4 x 2, 8-bit bitmap file with three colours (the LOGO resource); cut
// short when asked.
std::string WriteBitmapFile(const std::string& name, std::size_t cutBytes = 0)
{
    HRSRC resource = ::FindResourceA(nullptr, "LOGO", reinterpret_cast<LPCSTR>(RT_BITMAP));
    const char* dib = static_cast<const char*>(::LockResource(::LoadResource(nullptr, resource)));
    const DWORD size = ::SizeofResource(nullptr, resource);
    std::string bytes = "BM";
    for (std::uint32_t value : {std::uint32_t{14 + size}, 0u, 14u + 40 + 3 * 4})
        for (int i = 0; i < 4; ++i)
            bytes += static_cast<char>(value >> (8 * i));
    bytes += std::string(dib, size);
    bytes.resize(bytes.size() - cutBytes);
    return WriteTextFile(name, bytes);
}

int PaletteSize(HPALETTE palette)
{
    WORD entries = 0;
    ::GetObjectA(palette, sizeof entries, &entries);
    return entries;
}

int BitsPerPixel(HBITMAP bitmap)
{
    DIBSECTION section{};
    ::GetObjectA(bitmap, sizeof section, &section);
    return section.dsBm.bmBitsPixel;
}

// Stripes of 32 greys, each one JPEG block wide: more colours than 4 bits
// hold, so reducing them dithers only when asked to.
constexpr int kStripe = 8;
constexpr int kStripesWidth = 32 * kStripe;
constexpr int kStripesHeight = 8;

std::vector<std::vector<std::uint8_t>> StripeRows()
{
    std::vector<std::uint8_t> row;
    for (int x = 0; x < kStripesWidth; ++x)
        row.push_back(static_cast<std::uint8_t>(x / kStripe * 8));
    return std::vector<std::vector<std::uint8_t>>(kStripesHeight, row);
}

template <typename Plan>
Plan StripesPlan()
{
    Plan plan;
    plan.width = kStripesWidth;
    plan.height = kStripesHeight;
    return plan;
}

picdec::samples::File StripesJpeg()
{
    picdec::samples::RgbPicture picture{kStripesWidth, kStripesHeight, {}};
    for (const auto& row : StripeRows())
        for (std::uint8_t grey : row)
            picture.pixels.push_back({grey, grey, grey});
    picdec::samples::JpegOptions options;
    options.quality = 100;
    options.grey = true;
    return picdec::samples::JpegFile(picture, options);
}

picdec::samples::File StripesGif()
{
    auto plan = StripesPlan<picdec::samples::GifPlan>();
    plan.screenWidth = kStripesWidth;
    plan.screenHeight = kStripesHeight;
    plan.colourBits = 5;
    for (int i = 0; i < 32; ++i)
        plan.palette.push_back({std::uint8_t(i * 8), std::uint8_t(i * 8), std::uint8_t(i * 8)});
    for (const auto& row : StripeRows())
        for (std::uint8_t grey : row)
            plan.indices.push_back(static_cast<std::uint8_t>(grey / 8));
    return picdec::samples::GifFile(plan);
}

// Dithering shows as a stripe of one grey that came out in more than one colour.
bool StripesDithered(const TBitmap& bitmap)
{
    PixelCanvas pixels(kStripesWidth, kStripesHeight);
    TCanvas(pixels.dc()).Draw(0, 0, bitmap);
    for (int y = 0; y < kStripesHeight; ++y)
        for (int x = 0; x < kStripesWidth; ++x)
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
    using namespace picdec::samples;
    auto pcx = StripesPlan<PcxPlan>();
    pcx.endPalette = picdec::GreyPalette(8);
    pcx.lines = StripeRows();
    auto png = StripesPlan<PngPlan>();
    png.colourType = 0;
    png.rows = StripeRows();
    auto tiff = StripesPlan<TiffPlan>();
    tiff.rows = StripeRows();
    struct Case {
        const char* name;
        decltype(&ReadGifFile) read;
        picdec::samples::File file;
        int resolution;
        int dither;
    };
    const Case cases[] = {
        {"lumo-stripes.jpg", ReadJpgFile, StripesJpeg(), 4, 0},
        {"lumo-stripes.gif", ReadGifFile, StripesGif(), 4, 1},
        {"lumo-stripes.pcx", ReadPcxFile, PcxFile(pcx), 1, 0},
        {"lumo-stripes.png", ReadPngFile, PngFile(png), 4, 1},
        {"lumo-stripes.tif", ReadTifFile, TiffFile(tiff), 4, 0},
    };
    for (const Case& c : cases) {
        std::string path = WriteBytes(TempFile(c.name), c.file);
        TBitmap bitmap;
        ASSERT_TRUE(c.read(path, c.resolution, c.dither, bitmap, 0)) << c.name;
        EXPECT_EQ(BitsPerPixel(bitmap.Handle()), c.resolution) << c.name;
        EXPECT_EQ(StripesDithered(bitmap), c.dither == 1) << c.name;
        ::DeleteFileA(path.c_str());
    }
}

TEST(ImageLibrary, ReadsABitmapAtEachResolution)
{
    std::string path = WriteBitmapFile("lumo-read.bmp");
    for (auto [resolution, bits] : {std::pair{0, 8}, {24, 24}, {8, 8}, {4, 4}, {1, 1}}) {
        TBitmap bitmap;
        ASSERT_TRUE(ReadBmpFile(path, resolution, 0, bitmap)) << resolution;
        EXPECT_EQ((SIZE{bitmap.Width(), bitmap.Height()}), (SIZE{4, 2}));
        EXPECT_EQ(BitsPerPixel(bitmap.Handle()), bits) << resolution;
        EXPECT_EQ(bitmap.Palette() != nullptr, bits <= 8) << resolution;
    }
    ::DeleteFileA(path.c_str());
}

// The 16-bit numbers of the information entry read back unsigned.
TEST(ImageLibrary, ReportsThePictureInformationWithSidesOf32768PixelsAndMoreAsPositive)
{
    std::string path = WriteBitmapFile("lumo-info.bmp");
    ImageInfo info;
    ASSERT_TRUE(ReadImageInfo(path, info));
    EXPECT_EQ(info.fileType, "BMP");
    EXPECT_EQ(info.width, 4);
    EXPECT_EQ(info.height, 2);
    EXPECT_EQ(info.depthFactor1 * info.depthFactor2, 8);
    EXPECT_EQ(info.furtherNumber, 3);
    for (auto [width, height] : {std::pair{40000, 1}, {1, 40000}}) {
        picdec::samples::BmpPlan plan;
        plan.width = width;
        plan.height = height;
        plan.bitsPerPixel = 1;
        plan.palette = picdec::GreyPalette(1);
        plan.pixels.resize(static_cast<std::size_t>((width + 31) / 32 * 4) * static_cast<std::size_t>(height));
        path = WriteBytes(TempFile("lumo-long.bmp"), picdec::samples::BmpFile(plan));
        ASSERT_TRUE(ReadImageInfo(path, info)) << width;
        EXPECT_EQ(info.width, width);
        EXPECT_EQ(info.height, height);
    }
    ::DeleteFileA(path.c_str());
}

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
}

// The string table built into the library holds each failure's own message.
TEST(ImageLibrary, EachFailureCodeShowsItsMessage)
{
    ScriptedDialogs dialogs;
    for (const picdec::FailureMessage& failure : picdec::FailureMessages()) {
        dialogs.requests.clear();
        ShowDecoderError(static_cast<short>(failure.status));
        ASSERT_EQ(dialogs.requests.size(), 1u);
        EXPECT_EQ(dialogs.requests[0].text, failure.text) << static_cast<int>(failure.status);
    }
}

TEST(ImageLibrary, ATruncatedPictureStillHandsItsBitmapOver)
{
    ScriptedDialogs dialogs;
    std::string path = WriteBitmapFile("lumo-cut.bmp", 4);
    TBitmap bitmap;
    EXPECT_FALSE(ReadBmpFile(path, 0, 0, bitmap));
    EXPECT_FALSE(bitmap.Empty());
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_FALSE(dialogs.requests[0].text.empty());
    ::DeleteFileA(path.c_str());
}

TEST(ImageLibrary, ReadsResourceBitmapsByNameAndNumber)
{
    PixelCanvas canvas(8, 8);
    HWND window = ::GetDesktopWindow();
    TBitmap byName;
    ASSERT_TRUE(ReadResourceBitmap("", "LOGO", window, byName));
    EXPECT_EQ((SIZE{byName.Width(), byName.Height()}), (SIZE{4, 2}));
    EXPECT_EQ(PaletteSize(byName.Palette()), 3);
    TBitmap byNumber;
    ASSERT_TRUE(ReadResourceBitmap("", "101", window, byNumber));
    EXPECT_EQ(byNumber.Width(), 2);
    EXPECT_EQ(PaletteSize(byNumber.Palette()), 16);
    ScriptedDialogs dialogs;
    TBitmap missing;
    EXPECT_FALSE(ReadResourceBitmap("", "NOPE", window, missing));
    EXPECT_FALSE(ReadResourceBitmap("NO-SUCH-MODULE.DLL", "LOGO", window, missing));
    EXPECT_TRUE(missing.Empty());
    EXPECT_TRUE(dialogs.requests.empty());
}
