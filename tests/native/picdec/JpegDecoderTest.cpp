#include <gtest/gtest.h>

#include "tests/native/picdec/DecodeHelpers.h"
#include "tests/native/picdec/writers/EncodedPictures.h"

namespace picdec::samples {
namespace {

TEST(JpegDecoder, DecodesEveryColourSpaceCloseToTheOriginal)
{
    // Smooth enough that JPEG keeps every pixel close to the original.
    const RgbPicture picture = GradientPicture(48, 40);
    RgbPicture grey = picture;
    for (Colour& c : grey.pixels)
        c = Colour{c.green, c.green, c.green};
    struct Case { JpegOptions options; int bits; const RgbPicture& shown; int tolerance; };
    const Case cases[] = {
        {{}, 24, picture, 8},
        {{.fullChroma = false}, 24, picture, 8},
        {{.progressive = true}, 24, picture, 8},
        {{.fullChroma = false, .progressive = true}, 24, picture, 8},
        {{.cmyk = true}, 24, picture, 8},
        {{.grey = true}, 8, grey, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "grey " << c.options.grey << ", 4:4:4 " << c.options.fullChroma
                                        << ", progressive " << c.options.progressive << ", CMYK " << c.options.cmyk);
        const Decoded decoded = DecodeFile(JpegFile(picture, c.options));
        ASSERT_EQ(decoded.status, Status::Ok);
        EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, c.bits);
        if (c.options.grey) {
            EXPECT_EQ(decoded.bitmap.Colours(), GreyPalette(8));
        }
        EXPECT_LE(LargestDifference(decoded.bitmap, c.shown), c.tolerance);
    }
}

}  // namespace
}  // namespace picdec::samples
