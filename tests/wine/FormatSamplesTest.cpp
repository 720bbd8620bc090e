// HEIF, AVIF, JPEG XL and WebP pictures made by Debian's encoders, opened in the real
// main window as the user opens them, show the pixels Debian's reference
// decoders give; pictures in Adobe RGB, Display P3 and CMYK show ImageMagick's
// conversion of them to sRGB (tests/wine/make-format-samples.sh).
#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "PictureTestSupport.h"
#include "PreviewTestSupport.h"
#include "imagelib/ImageLib.h"

namespace {

// The largest difference of any channel; INT_MAX for pictures of other sizes.
int LargestDifference(const TBitmap& shown, const TBitmap& reference)
{
    if (shown.Width() != reference.Width() || shown.Height() != reference.Height())
        return INT_MAX;
    const int w = shown.Width(), h = shown.Height();
    PixelCanvas a(w, h), b(w, h);
    TCanvas(a.dc()).Draw(0, 0, shown);
    TCanvas(b.dc()).Draw(0, 0, reference);
    int largest = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const COLORREF p = a.At(x, y), q = b.At(x, y);
            largest = std::max({largest, std::abs(GetRValue(p) - GetRValue(q)), std::abs(GetGValue(p) - GetGValue(q)),
                                std::abs(GetBValue(p) - GetBValue(q))});
        }
    return largest;
}

} // namespace

TEST(FormatSamples, EachShowsInThePreviewAsItsReferenceDecoderShowsIt)
{
    struct Sample {
        const char* name;
        const char* info;
    };
    const Sample samples[] = {
        {"heic-lossy.heic", "96x64x16M"},    {"heic-lossless.heic", "96x64x16M"}, {"heic-alpha.heic", "96x64x4B"},
        {"heic-10bit.heic", "96x64x16M"},    {"avif-lossy.avif", "96x64x16M"},    {"avif-lossless.avif", "96x64x16M"},
        {"avif-alpha.avif", "96x64x4B"},    {"avif-10bit.avif", "96x64x16M"},    {"avif-12bit.avif", "96x64x16M"},
        {"avif-grid.avif", "256x128x16M"},   {"avif-turned.avif", "64x96x16M"},   {"avif-turned-10bit.avif", "64x96x16M"},
        {"jxl-lossy.jxl", "96x64x16M"},      {"jxl-lossless.jxl", "96x64x16M"},   {"jxl-alpha.jxl", "96x64x4B"},
        {"jxl-16bit.jxl", "96x64x16M"},      {"jxl-grey.jxl", "96x64x256"},
        {"webp-lossy.webp", "96x64x16M"},    {"webp-lossless.webp", "96x64x16M"}, {"webp-alpha.webp", "96x64x4B"},
        {"adobe-rgb.jpg", "96x64x16M"},      {"adobe-rgb.png", "96x64x16M"},      {"adobe-rgb.tif", "96x64x16M"},
        {"adobe-rgb.webp", "96x64x16M"},     {"adobe-rgb.avif", "96x64x16M"},     {"display-p3.jpg", "96x64x16M"},
        {"display-p3.png", "96x64x16M"},     {"display-p3.tif", "96x64x16M"},     {"display-p3.webp", "96x64x16M"},
        {"display-p3.avif", "96x64x16M"},
        {"cmyk-profile.jpg", "96x64x4B"},    {"cmyk-none.jpg", "96x64x4B"},       {"cmyk-profile.tif", "96x64x4B"},
        {"cmyk-none.tif", "96x64x4B"},
    };
    ScratchFolder folder{"lumo-formats"};
    ScriptedDialogs dialogs;
    ProgramWindows w;
    TForm1& f = w.form1;
    const std::string sources = std::string(LUMO_FORMAT_SAMPLES) + "/";
    for (const Sample& sample : samples)
        ASSERT_TRUE(::CopyFileA((sources + sample.name).c_str(), (folder / sample.name).c_str(), FALSE)) << sample.name;
    f.FileListBox1.SetFileName(folder.Path());
    for (const Sample& sample : samples) {
        SCOPED_TRACE(sample.name);
        const std::string source = sources + sample.name;
        f.FileListBox1.SetItemIndex(f.FileListBox1.IndexOfName(sample.name));
        ::SendMessageA(f.FileListBox1.Handle(), WM_CHAR, '\r', 1);
        EXPECT_EQ(f.Panel5.Caption(), std::string("Picture-Info:  ") + sample.info);
        const TBitmap* shown = f.PicView1.Picture().HeldBitmap();
        ASSERT_NE(shown, nullptr);
        TBitmap reference;
        ASSERT_TRUE(ReadPngFile(source + ".png", 24, 0, reference, 0));
        // libheif and libavif round their colour conversions differently, by one at most; the
        // JPEG XL pictures are in gamma 2.2, as their source PNG said, so both readers turn
        // them into sRGB, where a 16-bit sample rounded differently to 8 bits can show twice.
        // Inks go through a table of their colours, which ImageMagick does not make.
        const bool inks = std::string_view(sample.name).starts_with("cmyk");
        EXPECT_LE(LargestDifference(*shown, reference), inks ? 4 : 2);
    }
    EXPECT_TRUE(dialogs.requests.empty());
}
