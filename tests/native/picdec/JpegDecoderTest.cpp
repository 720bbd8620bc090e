#include "tests/native/picdec/DecodeHelpers.h"

namespace picdec::samples {
namespace {

// Subsampling and progressive scans are the JPEG library's own business.
TEST(JpegDecoder, DecodesEveryColourSpaceCloseToTheOriginal)
{
    const RgbPicture picture = GradientPicture(48, 40);  // smooth enough that JPEG keeps every pixel close
    RgbPicture grey = picture;
    for (Colour& c : grey.pixels)
        c = Colour{c.green, c.green, c.green};
    struct Case { JpegOptions options; int bits; const RgbPicture& shown; int tolerance; };
    const Case cases[] = {{{.fullChroma = false, .progressive = true}, 24, picture, 8},
                          {{.grey = true}, 8, grey, 4}};
    for (const Case& c : cases) {
        const Decoded decoded = DecodeFile(JpegFile(picture, c.options));
        ASSERT_EQ(decoded.status, Status::Ok) << c.bits;
        EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, c.bits);
        EXPECT_EQ(decoded.bitmap.Colours(), c.bits == 8 ? GreyPalette(8) : Palette{});
        EXPECT_LE(LargestDifference(decoded.bitmap, c.shown), c.tolerance) << c.bits;
    }
}

}  // namespace
}  // namespace picdec::samples
