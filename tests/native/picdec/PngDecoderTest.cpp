#include "tests/native/picdec/DecodeHelpers.h"

namespace picdec::samples {
namespace {

constexpr std::uint32_t kWidth = 19;
constexpr std::uint32_t kHeight = 11;

PngPlan Png(int colourType, int bits, Rows rows, bool interlaced = false)
{
    return PngPlan{.width = kWidth, .height = kHeight, .colourType = colourType, .bitDepth = bits,
                   .interlaced = interlaced, .rows = std::move(rows)};
}

TEST(PngDecoder, KeepsPalettesAndGreyLevelsOfEveryDepthInterlacedOrNot)
{
    for (const int colourType : {3, 0}) {
        for (const int bits : {1, 2, 4, 8}) {
            for (const bool interlaced : {false, true}) {
                SCOPED_TRACE(testing::Message() << "type " << colourType << ", " << bits << " bits, " << interlaced);
                PngPlan plan = Png(colourType, bits, PatternRows(kWidth, kHeight, bits), interlaced);
                const Palette palette = colourType == 3 ? PatternPalette(1 << bits) : GreyPalette(bits);
                if (colourType == 3)
                    plan.palette = palette;
                ExpectDecodes(PngFile(plan), bits == 2 ? 4 : bits, IndexedPicture(kWidth, kHeight, palette), palette);
            }
        }
    }
}

TEST(PngDecoder, ReadsTheHighByteOfEachSampleAndComposesAlphaOnWhite)
{
    const RgbPicture picture = PatternPicture(kWidth, kHeight);
    RgbPicture grey = picture;
    for (Colour& c : grey.pixels)
        c = Colour{c.green, c.green, c.green};
    struct Case { int colourType, bits; const char* samples; int dibBits; RgbPicture shown; };
    const Case cases[] = {
        {0, 16, "g", 8, grey}, {2, 8, "rgb", 24, picture}, {2, 16, "rgb", 24, picture},
        {6, 8, "rgba", 24, OnWhitePicture(picture)}, {4, 8, "ga", 8, OnWhitePicture(grey)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.samples << ", " << c.bits << " bits");
        ExpectDecodes(PngFile(Png(c.colourType, c.bits, SampleRows(picture, c.samples, c.bits / 8))), c.dibBits, c.shown);
    }
}

TEST(PngDecoder, ShowsTransparentPaletteEntriesAndGreyLevelsOnWhite)
{
    PngPlan indexed = Png(3, 4, PatternRows(kWidth, kHeight, 4));
    indexed.palette = PatternPalette(16);
    indexed.paletteAlpha = {0, 128};
    Palette onWhite = indexed.palette;
    const Colour half = onWhite[1];
    onWhite[0] = Colour{255, 255, 255};
    onWhite[1] = Colour{OnWhite(half.red, 128), OnWhite(half.green, 128), OnWhite(half.blue, 128)};
    ExpectDecodes(PngFile(indexed), 4, IndexedPicture(kWidth, kHeight, onWhite), onWhite);

    PngPlan grey = Png(0, 8, PatternRows(kWidth, kHeight, 8));
    grey.transparentGrey = 0;
    Palette shown = GreyPalette(8);
    shown[0] = Colour{255, 255, 255};
    ExpectDecodes(PngFile(grey), 8, IndexedPicture(kWidth, kHeight, shown), shown);
}

}  // namespace
}  // namespace picdec::samples
