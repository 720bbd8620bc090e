#include <algorithm>
#include <numeric>

#include "tests/native/picdec/DecodeHelpers.h"

namespace picdec::samples {
namespace {

File TrueColourBmp(const RgbPicture& picture)
{
    return BmpFile({.width = static_cast<std::int32_t>(picture.width), .height = static_cast<std::int32_t>(picture.height),
                    .pixels = BmpRows(SampleRows(picture, "bgr"))});
}

File PalettedBmp(int bits, std::uint32_t width, std::uint32_t height)
{
    return BmpFile({.width = static_cast<std::int32_t>(width), .height = static_cast<std::int32_t>(height),
                    .bitsPerPixel = bits, .palette = PatternPalette(1 << bits),
                    .pixels = BmpRows(PatternRows(width, height, bits))});
}

const RgbPicture kGradient = GradientPicture(64, 48);

// From true colour and from a palette with too many colours the colours are
// chosen; a picture whose colours fit keeps them exactly.
TEST(ResolutionCode, GivesTheDepthAndAtMostTheColoursOfAKnownCodeAndRefusesOthers)
{
    const RgbPicture few = IndexedPicture(20, 10, {{10, 20, 30}, {200, 100, 0}, {0, 255, 0}, {1, 2, 3}, {250, 250, 250}});
    const File gradient = TrueColourBmp(kGradient), paletted = PalettedBmp(8, 40, 30), sixteen = PalettedBmp(4, 9, 7);
    const RgbPicture indexed = IndexedPicture(9, 7, PatternPalette(16));
    struct Case { const File& file; int code; std::size_t least, most; const RgbPicture* shown; };
    const Case cases[] = {
        {gradient, 8, 128, 256, nullptr}, {gradient, 4, 8, 16, nullptr}, {gradient, 1, 1, 2, nullptr},
        {paletted, 8, 128, 256, nullptr}, {paletted, 4, 8, 16, nullptr}, {paletted, 1, 1, 2, nullptr},
        {sixteen, 24, 0, 0, &indexed},  // true colour even for a paletted picture
        {sixteen, 8, 16, 16, &indexed},  // the palette kept, its indices repacked
        {TrueColourBmp(few), 4, 5, 5, &few},
    };
    for (const Case& c : cases) {
        for (const bool dither : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.file.size() << " bytes, code " << c.code << ", dither " << dither);
            const Decoded decoded = DecodeFile(c.file, c.code, dither);
            ASSERT_EQ(decoded.status, Status::Ok);
            EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, c.code);
            EXPECT_LE(decoded.bitmap.Colours().size(), c.most);
            EXPECT_GE(decoded.bitmap.Colours().size(), c.least);
            if (c.shown != nullptr) {
                EXPECT_EQ(LargestDifference(decoded.bitmap, *c.shown), 0);
            }
        }
    }
    EXPECT_EQ(DecodeFile(sixteen, 8).bitmap.Colours(), PatternPalette(16));
    for (const int code : {2, 16, 32, -1})
        EXPECT_EQ(DecodeFile(sixteen, code).status, Status::BadResolutionCode) << code;
}

int Distance(const Colour& a, const Colour& b)
{
    return (a.red - b.red) * (a.red - b.red) + (a.green - b.green) * (a.green - b.green) +
           (a.blue - b.blue) * (a.blue - b.blue);
}

// Without dithering every pixel takes its nearest entry of a palette chosen
// for the picture: a fixed 6x6x6 palette gives a mean squared error of about
// 200 here, a chosen one of 256 colours far less. Error diffusion keeps the
// local averages: in 4x4 boxes it is closer to the original than the nearest entries.
TEST(ColourReduction, MapsToTheNearestEntryOfAChosenPaletteOrDiffusesTheError)
{
    auto boxError = [](const RgbPicture& shown) {  // of the red sums of the 4x4 boxes of the 64 x 48 picture
        std::vector<double> boxes(16 * 12);
        for (std::size_t i = 0; i < shown.pixels.size(); ++i)
            boxes[i % 64 / 4 + i / 64 / 4 * 16] += shown.pixels[i].red - kGradient.pixels[i].red;
        return std::inner_product(boxes.begin(), boxes.end(), boxes.begin(), 0.0);
    };
    for (const int code : {4, 8}) {
        const Decoded decoded = DecodeFile(TrueColourBmp(kGradient), code, false);
        ASSERT_EQ(decoded.status, Status::Ok);
        const RgbPicture shown = Shown(decoded.bitmap);
        double squares = 0;
        for (std::size_t i = 0; i < shown.pixels.size(); ++i) {
            int best = 3 * 255 * 255;
            for (const Colour& entry : decoded.bitmap.Colours())
                best = std::min(best, Distance(entry, kGradient.pixels[i]));
            ASSERT_EQ(Distance(shown.pixels[i], kGradient.pixels[i]), best) << "pixel " << i;
            squares += best;
        }
        if (code == 8) {
            EXPECT_LT(squares / (3.0 * shown.pixels.size()), 25.0);
        } else {
            EXPECT_LT(boxError(Shown(DecodeFile(TrueColourBmp(kGradient), 4, true).bitmap)), boxError(shown) / 2);
        }
    }
}

}  // namespace
}  // namespace picdec::samples
