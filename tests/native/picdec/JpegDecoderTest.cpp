#include <gtest/gtest.h>

#include "tests/native/picdec/DecodeHelpers.h"
#include "tests/native/picdec/writers/EncodedPictures.h"

namespace picdec::samples {
namespace {

// Smooth enough that JPEG keeps every pixel close to the original.
const RgbPicture& Gradient()
{
    static const RgbPicture picture = GradientPicture(48, 40);
    return picture;
}

TEST(JpegDecoder, DecodesColourPicturesToTrueColourCloseToTheOriginal)
{
    for (const bool fullChroma : {true, false}) {
        for (const bool progressive : {false, true}) {
            SCOPED_TRACE(testing::Message() << "4:4:4 " << fullChroma << ", progressive " << progressive);
            JpegOptions options;
            options.fullChroma = fullChroma;
            options.progressive = progressive;
            const Decoded decoded = DecodeFile(JpegFile(Gradient(), options));
            ASSERT_EQ(decoded.status, Status::Ok);
            EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 24);
            EXPECT_LE(LargestDifference(decoded.bitmap, Gradient()), 8);
        }
    }
}

TEST(JpegDecoder, DecodesGreyPicturesToAnEightBitGreyRamp)
{
    JpegOptions options;
    options.grey = true;
    const Decoded decoded = DecodeFile(JpegFile(Gradient(), options));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 8);
    EXPECT_EQ(decoded.bitmap.Colours(), GreyPalette(8));
    RgbPicture grey = Gradient();
    for (Colour& c : grey.pixels)
        c = Colour{c.green, c.green, c.green};
    EXPECT_LE(LargestDifference(decoded.bitmap, grey), 4);
}

TEST(JpegDecoder, DecodesInvertedCmykPictures)
{
    JpegOptions options;
    options.cmyk = true;
    const Decoded decoded = DecodeFile(JpegFile(Gradient(), options));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 24);
    EXPECT_LE(LargestDifference(decoded.bitmap, Gradient()), 8);
}

}  // namespace
}  // namespace picdec::samples
