#include <webp/decode.h>

#include "tests/native/picdec/DecodeHelpers.h"

namespace picdec::samples {
namespace {

// Odd, so the bitmap's rows are padded.
constexpr std::uint32_t kWidth = 37;
constexpr std::uint32_t kHeight = 23;

WebpPlan Webp(const RgbPicture& picture, bool alpha, bool lossless)
{
    return WebpPlan{.width = picture.width, .height = picture.height, .alpha = alpha, .lossless = lossless,
                    .rows = SampleRows(picture, alpha ? "rgba" : "rgb")};
}

// What libwebp's simple decoder makes of the file, alpha composed on white.
RgbPicture LibwebpDecoded(const File& file)
{
    int width = 0;
    int height = 0;
    std::uint8_t* rgba = WebPDecodeRGBA(file.data(), file.size(), &width, &height);
    const RgbPicture picture = Painted(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height),
                                       [&](std::uint32_t x, std::uint32_t y) {
                                           const std::uint8_t* p = rgba + (y * static_cast<std::uint32_t>(width) + x) * 4;
                                           return Colour{OnWhite(p[0], p[3]), OnWhite(p[1], p[3]), OnWhite(p[2], p[3])};
                                       });
    WebPFree(rgba);
    return picture;
}

TEST(WebpDecoder, ShowsLosslessPicturesExactlyWithAlphaOnWhite)
{
    const RgbPicture picture = PatternPicture(kWidth, kHeight);
    ExpectDecodes(WebpFile(Webp(picture, false, true)), 24, picture);
    ExpectDecodes(WebpFile(Webp(picture, true, true)), 24, OnWhitePicture(picture));
}

TEST(WebpDecoder, ShowsLossyPicturesAsLibwebpDecodesThem)
{
    const RgbPicture picture = GradientPicture(kWidth, kHeight);
    for (const bool alpha : {false, true}) {
        SCOPED_TRACE(alpha ? "alpha" : "opaque");
        const File file = WebpFile(Webp(picture, alpha, false));
        const Decoded decoded = DecodeFile(file);
        ASSERT_EQ(decoded.status, Status::Ok);
        EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 24);
        EXPECT_LE(LargestDifference(decoded.bitmap, LibwebpDecoded(file)), 1);
    }
}

// An animation shows its first frame where it lies on the canvas, white
// around it; the second, covering the canvas, does not show.
TEST(WebpDecoder, ShowsTheFirstFrameOfAnAnimationOnItsCanvas)
{
    const RgbPicture first = PatternPicture(9, 5);
    const RgbPicture second = Painted(kWidth, kHeight, [](std::uint32_t, std::uint32_t) { return Colour{0, 0, 0}; });
    const File animation = AnimatedWebpFile({{Webp(first, false, true), 4, 2}, {Webp(second, false, true)}}, kWidth, kHeight);
    PictureInfo info;
    ASSERT_EQ(ReadPictureInfo(animation, info), Status::Ok);
    EXPECT_EQ(std::tuple(info.width, info.height), std::tuple(kWidth, kHeight));
    const RgbPicture shown = Painted(kWidth, kHeight, [&](std::uint32_t x, std::uint32_t y) {
        const bool inside = x >= 4 && x < 4 + first.width && y >= 2 && y < 2 + first.height;
        return inside ? first.At(x - 4, y - 2) : Colour{255, 255, 255};
    });
    ExpectDecodes(animation, 24, shown);
}

TEST(PictureFormat, KnowsAWebpFromOtherRiffFilesByItsFormType)
{
    const File webp = WebpFile(Webp(PatternPicture(4, 4), false, true));
    const File wave{'R', 'I', 'F', 'F', 36, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
    const File cut(webp.begin(), webp.begin() + 11);
    EXPECT_EQ(DetectFormat(webp), PictureFormat::Webp);
    EXPECT_EQ(DetectFormat(wave), PictureFormat::Unknown);
    EXPECT_EQ(DetectFormat(cut), PictureFormat::Unknown);
}

}  // namespace
}  // namespace picdec::samples
