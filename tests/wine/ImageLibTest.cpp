#include <windows.h>
#include <psapi.h>

#include "PictureTestSupport.h"
#include "ScratchTestSupport.h"
#include "imagelib/ImageLib.h"
#include "imagelib/PicDec32.h"
#include "picdec/Status.h"
#include "tests/native/picdec/writers/EncodedPictures.h"
#include "tests/native/picdec/writers/HandBuiltPictures.h"
#include "tests/native/picdec/writers/IccProfiles.h"

using namespace picdec::samples;

// Each entry the binding declares is the library's export at its ordinal, so
// two entries swapped in the library's export list show.
TEST(ImageLibrary, EachEntryIsTheLibrarysExportAtItsOrdinal)
{
    HMODULE library = DecoderModule();
    ASSERT_NE(library, nullptr);
    auto address = [](auto entry) { return reinterpret_cast<const void*>(entry); };
    for (auto [entry, ordinal] : {std::pair{address(&PicInfo), 1}, {address(&ReadJpg), 5}, {address(&ReadGif), 7},
                                  {address(&ReadPcx), 8}, {address(&ReadBmp), 15}, {address(&ReadPng), 17},
                                  {address(&ReadTif), 25}, {address(&ReadWebp), 26}, {address(&ReadHeif), 27},
                                  {address(&ReadAvif), 28}, {address(&ReadJxl), 29}, {address(&SetDisplayProfile), 30}})
        EXPECT_EQ(entry, address(::GetProcAddress(library, MAKEINTRESOURCEA(ordinal)))) << ordinal;
}

// 32 grey stripes, each one JPEG block wide: more greys than 4 bits hold, so
// reducing them dithers only when asked to. Resolution and dither flag differ
// in every case, so swapped arguments ask for another depth (0 gives the
// file's own 8 bits, 1 gives one bit); a dither flag that goes astray shows.
TEST(ImageLibrary, EachReaderHandsOnItsResolutionAndDitherFlag)
{
    constexpr int kStripe = 8, w = 32 * kStripe, h = 8;
    std::vector<std::uint8_t> row, greys;
    for (int x = 0; x < w; ++x)
        row.push_back(static_cast<std::uint8_t>(x / kStripe * 8));
    const std::vector rows(h, row);
    RgbPicture rgb{w, h, {}};
    for (int y = 0; y < h; ++y)
        for (std::uint8_t grey : row)
            greys.push_back(grey), rgb.pixels.push_back({grey, grey, grey});
    const picdec::Palette palette = picdec::GreyPalette(8);
    const std::tuple<const char*, decltype(&ReadGifFile), File, int, int> cases[] = {
        {"lumo-stripes.jpg", ReadJpgFile, JpegFile(rgb, {.quality = 100, .grey = true}), 4, 0},
        {"lumo-stripes.gif", ReadGifFile,
         GifFile({.screenWidth = w, .screenHeight = h, .width = w, .height = h, .palette = palette, .indices = greys}),
         4, 1},
        {"lumo-stripes.pcx", ReadPcxFile,
         PcxFile({.width = w, .height = h, .endPalette = palette, .lines = rows}), 1, 0},
        {"lumo-stripes.png", ReadPngFile, PngFile({.width = w, .height = h, .colourType = 0, .rows = rows}), 4, 1},
        {"lumo-stripes.tif", ReadTifFile, TiffFile({.width = w, .height = h, .rows = rows}), 4, 0},
        {"lumo-stripes.bmp", ReadBmpFile,
         BmpFile({.width = w, .height = h, .bitsPerPixel = 8, .palette = palette, .pixels = BmpRows(rows)}), 4, 1},
    };
    for (const auto& [name, read, file, resolution, dither] : cases) {
        TBitmap bitmap;
        ASSERT_TRUE(read(WriteBytes(TempFile(name), file), resolution, dither, bitmap, 0)) << name;
        EXPECT_EQ(bitmap.BitsPerPixel(), resolution) << name;
        PixelCanvas pixels(w, h);
        TCanvas(pixels.dc()).Draw(0, 0, bitmap);
        int changes = 0;  // dithering: a stripe of one grey came out in more than one colour
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                changes += pixels.At(x, y) != pixels.At(x - x % kStripe, 0);
        EXPECT_EQ(changes > 0, dither == 1) << name;
    }
}

// Readers go by the file's content: a WebP named .jpg comes through the JPEG
// entry as itself, pixel for pixel (lossless), and the information says WEBP.
TEST(ImageLibrary, ReadsAWebpThroughAnotherFormatsEntry)
{
    constexpr int w = 13, h = 7;
    WebpPlan plan{.width = w, .height = h, .lossless = true};
    for (int y = 0; y < h; ++y) {
        std::vector<std::uint8_t>& row = plan.rows.emplace_back();
        for (int x = 0; x < w; ++x) {
            const picdec::Colour c = PatternColour(x, y);
            row.insert(row.end(), {c.red, c.green, c.blue});
        }
    }
    const std::string path = WriteBytes(TempFile("lumo-webp.jpg"), WebpFile(plan));
    TBitmap bitmap;
    ASSERT_TRUE(ReadJpgFile(path, 24, 0, bitmap, 0));
    PixelCanvas pixels(w, h);
    TCanvas(pixels.dc()).Draw(0, 0, bitmap);
    int wrong = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const picdec::Colour c = PatternColour(x, y);
            wrong += pixels.At(x, y) != RGB(c.red, c.green, c.blue);
        }
    EXPECT_EQ(wrong, 0);
    ImageInfo info;
    ASSERT_TRUE(ReadImageInfo(path, info));
    EXPECT_EQ(info.fileType, "WEBP");
}

// The 16-bit numbers of the information entry read back unsigned.
TEST(ImageLibrary, ReportsThePictureInformationWithSidesOf32768PixelsAndMoreAsPositive)
{
    for (auto [width, height] : {std::pair{40000, 1}, {1, 40000}}) {
        const std::string path = WriteBytes(TempFile("lumo-info.bmp"),
            BmpFile({.width = width, .height = height, .bitsPerPixel = 1, .palette = picdec::GreyPalette(1),
                     .pixels = std::vector<std::uint8_t>(std::size_t((width + 31) / 32 * 4 * height))}));
        ImageInfo info;
        ASSERT_TRUE(ReadImageInfo(path, info)) << width;
        EXPECT_EQ(std::tuple(info.fileType, info.width, info.height, info.depthFactor1 * info.depthFactor2,
                             info.furtherNumber),
                  std::tuple("BMP", width, height, 1, 2));
    }
}

// The string table built into the library holds each failure's own message.
TEST(ImageLibrary, FailuresShowTheLibrarysOwnMessage)
{
    ScriptedDialogs dialogs;
    std::vector<std::string> expected;
    for (const picdec::FailureMessage& failure : picdec::FailureMessages()) {
        ShowDecoderError(static_cast<short>(failure.status));
        expected.emplace_back(failure.text);
    }
    EXPECT_EQ(TextsOf(dialogs.requests), expected);
}

// A folder path of 90 CJK characters is 270 bytes of UTF-8: the library gets
// all of them, or it opens no file (or another one).
TEST(ImageLibrary, ReadsAPictureWhosePathIsLongerThan255Bytes)
{
    std::string folder = TempFile("");
    for (int level = 0; level < 3; ++level) {
        for (int i = 0; i < 30; ++i)
            folder += "\xE7\x94\xBB";  // 画
        folder += "\\";
        ::CreateDirectoryA(folder.c_str(), nullptr);
    }
    ASSERT_GT(folder.size(), 255u);
    const std::string path = WriteBytes(folder + "photo.bmp", BmpFile({.width = 3, .height = 2, .bitsPerPixel = 24,
                                                                        .pixels = std::vector<std::uint8_t>(24)}));
    ScriptedDialogs dialogs;
    TBitmap bitmap;
    ImageInfo info;
    EXPECT_TRUE(ReadBmpFile(path, 24, 0, bitmap) && ReadImageInfo(path, info));
    EXPECT_EQ(std::pair(bitmap.Width(), info.height), std::pair(3, 2));
    EXPECT_TRUE(dialogs.requests.empty());
}

// A copy of the library in a folder without LIBHEIF.DLL starts, reads its
// other formats, and refuses a HEIF picture with its own message.
TEST(ImageLibrary, AMissingHeifDecoderIsTheLibrarysMessageNotAFailedStart)
{
    ScratchFolder folder{"lumo-noheif"};
    char library[MAX_PATH];
    ASSERT_GT(::GetModuleFileNameA(DecoderModule(), library, MAX_PATH), 0u);
    ASSERT_TRUE(::CopyFileA(library, (folder / "PICDEC32.DLL").c_str(), FALSE));
    HMODULE copy = ::LoadLibraryA((folder / "PICDEC32.DLL").c_str());
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy, DecoderModule());
    using Reader = short(WINAPI*)(const char*, short, short, HBITMAP*, HPALETTE*, long, long);
    const auto readHeif = reinterpret_cast<Reader>(reinterpret_cast<void*>(::GetProcAddress(copy, MAKEINTRESOURCEA(27))));
    const auto readBmp = reinterpret_cast<Reader>(reinterpret_cast<void*>(::GetProcAddress(copy, MAKEINTRESOURCEA(15))));
    const std::string heic = WriteBytes(folder / "photo.heic", {0, 0, 0, 24, 'f', 't', 'y', 'p', 'h', 'e', 'i', 'c', 0, 0,
                                                                0, 0, 'm', 'i', 'f', '1', 'h', 'e', 'i', 'c'});
    const std::string bmp = WriteBytes(folder / "photo.bmp", BmpFile({.width = 3, .height = 2, .bitsPerPixel = 24,
                                                                      .pixels = std::vector<std::uint8_t>(24)}));
    HBITMAP bitmap = nullptr;
    HPALETTE palette = nullptr;
    EXPECT_EQ(readHeif(heic.c_str(), 24, 0, &bitmap, &palette, 0, 0), static_cast<short>(picdec::Status::DecoderMissing));
    EXPECT_EQ(bitmap, nullptr);
    EXPECT_EQ(readBmp(bmp.c_str(), 24, 0, &bitmap, &palette, 0, 0), 1);
    ::DeleteObject(bitmap);
    ::FreeLibrary(copy);
}

// Crafted HEIC files of a thousand bytes that ask libheif for a canvas of
// hundreds of megapixels, or for a grid of grids: each is refused as damaged
// before that memory is taken (nor does it take minutes of paging to get there).
TEST(ImageLibrary, AHostileHeifIsRefusedBeforeItsMemoryIsTaken)
{
    constexpr SIZE_T kAllowed = 128u << 20;
    for (const char* name : {"regression-alpha-grid-oversized.bin", "regression-grid-out-of-memory.bin",
                             "regression-grid-of-grids.bin"}) {
        const std::string path = std::string(LUMO_HOSTILE_HEIF) + "\\" + name;
        PROCESS_MEMORY_COUNTERS before{}, after{};
        ::GetProcessMemoryInfo(::GetCurrentProcess(), &before, sizeof before);
        HBITMAP bitmap = nullptr;
        HPALETTE palette = nullptr;
        EXPECT_EQ(ReadHeif(path.c_str(), 24, 0, &bitmap, &palette, 0, 0), static_cast<short>(picdec::Status::CorruptData))
            << name;
        ::DeleteObject(bitmap);
        ::DeleteObject(palette);
        ::GetProcessMemoryInfo(::GetCurrentProcess(), &after, sizeof after);
        EXPECT_LT(after.PeakPagefileUsage, before.PeakPagefileUsage + kAllowed) << name;
    }
}

namespace {

COLORREF ShownColour(const std::string& path)
{
    TBitmap bitmap;
    EXPECT_TRUE(ReadJpgFile(path, 24, 0, bitmap));
    PixelCanvas pixels(4, 4);
    TCanvas(pixels.dc()).Draw(0, 0, bitmap);
    return pixels.At(1, 1);
}

}  // namespace

// A picture in Adobe RGB shows in sRGB; on a display of that same profile
// its samples stay as they are; a display profile that cannot be read is
// sRGB again.
TEST(ImageLibrary, TaggedPicturesShowInTheColoursOfTheDisplaysProfile)
{
    const RgbPicture green{4, 4, std::vector<picdec::Colour>(16, picdec::Colour{40, 200, 60})};
    const std::vector<std::uint8_t> adobe = AdobeRgbProfile();
    const std::string tagged = WriteBytes(TempFile("lumo-adobe.jpg"), JpegFile(green, {.quality = 100, .iccProfile = adobe}));
    const std::string untagged = WriteBytes(TempFile("lumo-untagged.jpg"), JpegFile(green, {.quality = 100}));
    const std::string display = WriteBytes(TempFile("lumo-display.icc"), adobe);
    const COLORREF asStored = ShownColour(untagged);
    const COLORREF inSrgb = ShownColour(tagged);
    EXPECT_GT(std::abs(GetRValue(inSrgb) - GetRValue(asStored)), 20);  // Adobe RGB's green is wider than sRGB's
    EXPECT_EQ(SetDisplayProfile(display.c_str()), 1);
    EXPECT_EQ(ShownColour(tagged), asStored);
    EXPECT_EQ(ShownColour(untagged), asStored);
    EXPECT_EQ(SetDisplayProfile(TempFile("lumo-no-such.icc").c_str()), 0);
    EXPECT_EQ(ShownColour(tagged), inSrgb);
    EXPECT_EQ(SetDisplayProfile(nullptr), 0);
}
