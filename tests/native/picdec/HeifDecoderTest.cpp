#include <cmath>

#include "tests/native/picdec/DecodeHelpers.h"

namespace picdec::samples {
namespace {

// Odd, so the bitmap's rows are padded (and the codecs' chroma has a half block).
constexpr std::uint32_t kWidth = 37;
constexpr std::uint32_t kHeight = 23;

// The pattern at `bits` per sample: each 8-bit value v spread over the
// deeper range, plus a low part that rounding must see.
HeifPlan Heif(const RgbPicture& picture, bool av1, int bits, bool alpha, bool lossless)
{
    HeifPlan plan{.width = picture.width, .height = picture.height, .av1 = av1, .alpha = alpha, .bitDepth = bits,
                  .lossless = lossless};
    const std::uint32_t top = (1u << bits) - 1;
    auto deep = [&](std::uint32_t v, std::uint32_t x) {
        return static_cast<std::uint16_t>(std::min<std::uint32_t>(top, v * top / 255 + (bits > 8 ? x % 3 : 0)));
    };
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        auto& row = plan.rows.emplace_back();
        for (std::uint32_t x = 0; x < picture.width; ++x) {
            const Colour c = picture.At(x, y);
            row.insert(row.end(), {deep(c.red, x), deep(c.green, x), deep(c.blue, x)});
            if (alpha)
                row.push_back(deep(RampAlpha(x, picture.width), 0));
        }
    }
    return plan;
}

// What a plan's samples must show: reduced to 8 bits, alpha on white.
RgbPicture Expected(const HeifPlan& plan)
{
    const int channels = plan.alpha ? 4 : 3;
    return Painted(plan.width, plan.height, [&](std::uint32_t x, std::uint32_t y) {
        const std::uint16_t* s = &plan.rows[y][x * static_cast<std::uint32_t>(channels)];
        const double top = (1 << plan.bitDepth) - 1;
        auto at = [&](int i) { return static_cast<std::uint8_t>(std::lround(s[i] * 255 / top)); };
        if (!plan.alpha)
            return Colour{at(0), at(1), at(2)};
        return Colour{OnWhite(at(0), at(3)), OnWhite(at(1), at(3)), OnWhite(at(2), at(3))};
    });
}

// Lossless files hold their samples exactly, so every pixel must show as
// reduced and composed, at every depth, with and without alpha.
TEST(HeifDecoder, ShowsLosslessPicturesExactlyAtEveryDepth)
{
    const RgbPicture picture = PatternPicture(kWidth, kHeight);
    const bool av1 = true;
    for (const int bits : {8, 10, 12})
            for (const bool alpha : {false, true}) {
                SCOPED_TRACE(testing::Message() << bits << " bits" << (alpha ? ", alpha" : ""));
                const HeifPlan plan = Heif(picture, av1, bits, alpha, true);
                const File file = HeifFile(plan);
                PictureInfo info;
                ASSERT_EQ(ReadPictureInfo(file, info), Status::Ok);
                EXPECT_EQ(info.format, av1 ? PictureFormat::Avif : PictureFormat::Heif);
                EXPECT_EQ(std::tuple(info.width, info.height, info.depthFactor1 * info.depthFactor2),
                          std::tuple(kWidth, kHeight, alpha ? 32 : 24));
                ExpectDecodes(file, 24, Expected(plan));
            }
}

TEST(HeifDecoder, ShowsLossyPicturesCloseToTheirSource)
{
    const RgbPicture picture = GradientPicture(kWidth, kHeight);
    for (const bool av1 : {false, true})
        for (const int bits : {8, 10}) {
            SCOPED_TRACE(testing::Message() << (av1 ? "AV1 " : "HEVC ") << bits << " bits");
            const HeifPlan plan = Heif(picture, av1, bits, true, false);
            const Decoded decoded = DecodeFile(HeifFile(plan));
            ASSERT_EQ(decoded.status, Status::Ok);
            EXPECT_LE(LargestDifference(decoded.bitmap, Expected(plan)), 24);
        }
}

TEST(HeifDecoder, DamagedFilesFailWithoutAPicture)
{
    const File whole = HeifFile(Heif(PatternPicture(kWidth, kHeight), false, 8, false, false));
    for (const std::size_t size : {std::size_t{12}, std::size_t{40}, whole.size() / 2, whole.size() - 10}) {
        SCOPED_TRACE(size);
        const File cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_FALSE(Succeeded(DecodeFile(cut).status));
    }
    File scrambled = whole;
    for (std::size_t at = scrambled.size() - 200; at < scrambled.size(); at += 7)
        scrambled[at] ^= 0x5A;
    const Status status = DecodeFile(scrambled).status;  // coded data: damaged or shown with wrong pixels
    EXPECT_TRUE(status == Status::Ok || status == Status::CorruptData || status == Status::TruncatedData);
}

File FileType(std::string_view major, std::initializer_list<std::string_view> compatible)
{
    File file;
    Put32(file, 0);
    for (const std::string_view brand : {std::string_view("ftyp"), major, std::string_view("\0\0\0\0", 4)})
        file.insert(file.end(), brand.begin(), brand.end());
    for (const std::string_view brand : compatible)
        file.insert(file.end(), brand.begin(), brand.end());
    const auto size = static_cast<std::uint32_t>(file.size());
    file[0] = static_cast<std::uint8_t>(size >> 24), file[1] = static_cast<std::uint8_t>(size >> 16);
    file[2] = static_cast<std::uint8_t>(size >> 8), file[3] = static_cast<std::uint8_t>(size);
    return file;
}

File Cut(const File& file, std::size_t size) { return File(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size)); }

TEST(PictureFormat, KnowsHeifAndAvifByTheirBrandsAndNoOtherIsoFile)
{
    const std::pair<File, PictureFormat> cases[] = {
        {FileType("heic", {"mif1", "heic"}), PictureFormat::Heif},
        {FileType("mif1", {"mif1", "heic"}), PictureFormat::Heif},
        {FileType("avif", {"avif", "mif1"}), PictureFormat::Avif},
        {FileType("mif1", {"mif1", "avif"}), PictureFormat::Avif},
        {FileType("avis", {"avis", "msf1"}), PictureFormat::Avif},
        {FileType("isom", {"isom", "mp41"}), PictureFormat::Unknown},  // a video
        {FileType("qt  ", {}), PictureFormat::Unknown},
        {Cut(FileType("heic", {}), 10), PictureFormat::Unknown},
    };
    for (const auto& [file, format] : cases)
        EXPECT_EQ(DetectFormat(file), format) << std::string(file.begin() + 8, file.begin() + std::min<std::size_t>(12, file.size()));
}

}  // namespace
}  // namespace picdec::samples
