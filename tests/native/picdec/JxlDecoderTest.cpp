#include <cmath>

#include "tests/native/picdec/DecodeHelpers.h"

namespace picdec::samples {
namespace {

constexpr std::uint32_t kWidth = 37;  // odd, so the bitmap's rows are padded
constexpr std::uint32_t kHeight = 23;

// The picture at `bits` per sample (grey: its green), each frame brighter.
JxlPlan Jxl(const RgbPicture& picture, int bits, bool grey, bool alpha, int frames = 1)
{
    JxlPlan plan{.width = picture.width, .height = picture.height, .grey = grey, .alpha = alpha, .bitDepth = bits,
                 .frames = frames};
    const std::uint32_t top = (1u << bits) - 1;
    for (int frame = 0; frame < frames; ++frame)
        for (std::uint32_t y = 0; y < picture.height; ++y) {
            auto& row = plan.rows.emplace_back();
            for (std::uint32_t x = 0; x < picture.width; ++x) {
                const Colour c = picture.At(x, y);
                auto deep = [&](std::uint32_t v) {
                    return static_cast<std::uint16_t>(std::min<std::uint32_t>(top, (v + 40u * frame) % 256 * top / 255 + x % 3));
                };
                if (grey)
                    row.push_back(deep(c.green));
                else
                    row.insert(row.end(), {deep(c.red), deep(c.green), deep(c.blue)});
                if (alpha)
                    row.push_back(static_cast<std::uint16_t>(RampAlpha(x, picture.width) * top / 255));
            }
        }
    return plan;
}

// The first frame's samples as they must show: rounded to 8 bits, alpha on white.
RgbPicture Expected(const JxlPlan& plan)
{
    const std::size_t channels = (plan.grey ? 1 : 3) + (plan.alpha ? 1 : 0);
    const double top = (1 << plan.bitDepth) - 1;
    return Painted(plan.width, plan.height, [&](std::uint32_t x, std::uint32_t y) {
        const std::uint16_t* s = &plan.rows[y][x * channels];
        auto at = [&](std::size_t i) { return static_cast<std::uint8_t>(std::lround(s[i] * 255 / top)); };
        const Colour c = plan.grey ? Colour{at(0), at(0), at(0)} : Colour{at(0), at(1), at(2)};
        if (!plan.alpha)
            return c;
        const std::uint8_t a = at(channels - 1);
        return Colour{OnWhite(c.red, a), OnWhite(c.green, a), OnWhite(c.blue, a)};
    });
}

TEST(JxlDecoder, ShowsLosslessPicturesExactlyGreyAndColourAtEveryDepth)
{
    const RgbPicture picture = PatternPicture(kWidth, kHeight);
    for (const int bits : {8, 10, 16})
        for (const bool grey : {false, true})
            for (const bool alpha : {false, true}) {
                SCOPED_TRACE(testing::Message() << bits << " bits" << (grey ? ", grey" : "") << (alpha ? ", alpha" : ""));
                const JxlPlan plan = Jxl(picture, bits, grey, alpha);
                const File file = JxlFile(plan);
                PictureInfo info;
                ASSERT_EQ(ReadPictureInfo(file, info), Status::Ok);
                EXPECT_EQ(std::tuple(info.format, info.width, info.height, info.depthFactor1 * info.depthFactor2),
                          std::tuple(PictureFormat::Jxl, kWidth, kHeight, alpha ? 32 : grey ? 8 : 24));
                ExpectDecodes(file, 24, Expected(plan));
            }
}

TEST(JxlDecoder, ShowsLossyPicturesCloseToTheirSourceAndTheFirstFrameOfAnAnimation)
{
    JxlPlan lossy = Jxl(GradientPicture(kWidth, kHeight), 8, false, false);
    lossy.lossless = false;
    const Decoded decoded = DecodeFile(JxlFile(lossy));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_LE(LargestDifference(decoded.bitmap, Expected(lossy)), 40);  // its noise blurs, as in a lossy JPEG

    const JxlPlan animation = Jxl(PatternPicture(kWidth, kHeight), 8, false, false, 3);
    ExpectDecodes(JxlFile(animation), 24, Expected(animation));
}

TEST(JxlDecoder, DamagedFilesFailWithoutAPicture)
{
    const File whole = JxlFile(Jxl(PatternPicture(kWidth, kHeight), 8, false, false));
    for (const std::size_t size : {std::size_t{2}, std::size_t{12}, whole.size() / 2, whole.size() - 3}) {
        SCOPED_TRACE(size);
        const File cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_FALSE(Succeeded(DecodeFile(cut).status));
    }
}

TEST(PictureFormat, KnowsJpegXlByItsCodestreamOrItsContainer)
{
    const File codestream = JxlFile(Jxl(PatternPicture(4, 4), 8, false, false));
    const File container{0, 0, 0, 0x0C, 'J', 'X', 'L', ' ', 0x0D, 0x0A, 0x87, 0x0A, 0, 0, 0, 0x14};
    const File other{0, 0, 0, 0x0C, 'J', 'X', 'L', '!', 0x0D, 0x0A, 0x87, 0x0A};
    EXPECT_EQ(DetectFormat(codestream), PictureFormat::Jxl);
    EXPECT_EQ(DetectFormat(container), PictureFormat::Jxl);
    EXPECT_EQ(DetectFormat(other), PictureFormat::Unknown);
}

}  // namespace
}  // namespace picdec::samples
