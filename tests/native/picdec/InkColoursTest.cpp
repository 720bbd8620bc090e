// CMYK pictures show the colours their inks print in: through the picture's
// own profile, else as offset print on coated paper (Fogra's FOGRA39
// measurements, here as published, relative to the paper's white).
#include <array>
#include <cmath>

#include "DecodeHelpers.h"
#include "tests/native/picdec/writers/IccProfiles.h"

namespace picdec::samples {
namespace {

using Inks = std::array<std::uint8_t, 4>;  // cyan, magenta, yellow, black; 0 is no ink

File CmykTiff(const std::vector<Inks>& pixels, std::uint32_t width, std::vector<std::uint8_t> profile = {})
{
    TiffPlan plan{.width = width, .height = static_cast<std::uint32_t>(pixels.size() / width), .samplesPerPixel = 4,
                  .photometric = 5, .iccProfile = std::move(profile)};
    for (std::uint32_t y = 0; y < plan.height; ++y) {
        Row row;
        for (std::uint32_t x = 0; x < width; ++x)
            row.insert(row.end(), pixels[y * width + x].begin(), pixels[y * width + x].end());
        plan.rows.push_back(row);
    }
    return TiffFile(plan);
}

// The inks the JPEG writer stores for a picture: no black, each colour's complement.
std::vector<Inks> InksOf(const RgbPicture& picture)
{
    std::vector<Inks> inks;
    for (const Colour& c : picture.pixels)
        inks.push_back({static_cast<std::uint8_t>(255 - c.red), static_cast<std::uint8_t>(255 - c.green),
                        static_cast<std::uint8_t>(255 - c.blue), 0});
    return inks;
}

Decoded DecodedOk(const File& file)
{
    Decoded decoded = DecodeFile(file);
    EXPECT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 24);
    return decoded;
}

TEST(InkColours, InksTakeTheColoursOfTheirOwnProfile)
{
    const RgbPicture picture = GradientPicture(48, 40);
    const std::vector<std::uint8_t> plain = PlainInksProfile();
    for (const bool adobe : {true, false}) {
        const File jpeg = JpegFile(picture, {.cmyk = true, .adobeMarker = adobe, .iccProfile = plain});
        EXPECT_LE(LargestDifference(DecodedOk(jpeg).bitmap, picture), 8) << "Adobe's marker " << adobe;
    }
    const File ycck = JpegFile(picture, {.cmyk = true, .ycck = true, .iccProfile = plain});
    EXPECT_LE(LargestDifference(DecodedOk(ycck).bitmap, picture), 8) << "YCCK";
    EXPECT_LE(LargestDifference(DecodedOk(CmykTiff(InksOf(picture), picture.width, plain)).bitmap, picture), 2);
}

// CIE L*a*b* (D50) of a print, taken relative to its paper's white, in sRGB.
Colour PrintedColour(const std::array<double, 3>& lab, const std::array<double, 3>& paperLab)
{
    const auto toXyz = [](const std::array<double, 3>& c) {
        const auto f = [](double t) { return t > 6.0 / 29 ? t * t * t : 3 * (6.0 / 29) * (6.0 / 29) * (t - 4.0 / 29); };
        const double fy = (c[0] + 16) / 116;
        return std::array<double, 3>{0.9642 * f(fy + c[1] / 500), f(fy), 0.8249 * f(fy - c[2] / 200)};
    };
    const std::array<double, 3> xyz = toXyz(lab), paper = toXyz(paperLab), d50{0.9642, 1, 0.8249};
    constexpr double kBradfordD50ToD65[3][3] = {
        {0.9555766, -0.0230393, 0.0631636}, {-0.0282895, 1.0099416, 0.0210077}, {0.0122982, -0.0204830, 1.3299098}};
    constexpr double kXyzToSrgb[3][3] = {
        {3.2404542, -1.5371385, -0.4985314}, {-0.9692660, 1.8760108, 0.0415560}, {0.0556434, -0.2040259, 1.0572252}};
    double d65[3] = {}, rgb[3] = {};
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 3; ++k)
            d65[r] += kBradfordD50ToD65[r][k] * xyz[k] * d50[k] / paper[k];
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 3; ++k)
            rgb[r] += kXyzToSrgb[r][k] * d65[k];
    const auto encode = [](double v) {
        v = std::clamp(v, 0.0, 1.0);
        return static_cast<std::uint8_t>(std::lround(255 * (v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055)));
    };
    return Colour{encode(rgb[0]), encode(rgb[1]), encode(rgb[2])};
}

TEST(InkColours, WithoutAProfileInksPrintAsOffsetOnCoatedPaper)
{
    // ISO 12647-2's aims for FOGRA39: paper, the four inks, and red from magenta and yellow.
    const std::array<double, 3> paper{95, 0, -2};
    const struct { Inks inks; std::array<double, 3> lab; } patches[] = {
        {{0, 0, 0, 0}, paper}, {{255, 0, 0, 0}, {55, -37, -50}}, {{0, 255, 0, 0}, {48, 74, -3}},
        {{0, 0, 255, 0}, {89, -5, 93}}, {{0, 0, 0, 255}, {16, 0, 0}}, {{0, 255, 255, 0}, {47, 68, 48}}};
    std::vector<Inks> inks;
    std::vector<Colour> expected;
    for (const auto& patch : patches) {
        inks.push_back(patch.inks);
        expected.push_back(PrintedColour(patch.lab, paper));
    }
    const Decoded decoded = DecodedOk(CmykTiff(inks, static_cast<std::uint32_t>(inks.size())));
    EXPECT_LE(LargestDifference(decoded.bitmap, {static_cast<std::uint32_t>(inks.size()), 1, expected}), 8);

    // A JPEG's inks the same, with or without Adobe's marker.
    const RgbPicture picture = GradientPicture(48, 40);
    const RgbPicture printed = Shown(DecodedOk(CmykTiff(InksOf(picture), picture.width)).bitmap);
    for (const bool adobe : {true, false})
        EXPECT_LE(LargestDifference(DecodedOk(JpegFile(picture, {.cmyk = true, .adobeMarker = adobe})).bitmap, printed), 8)
            << "Adobe's marker " << adobe;
}

// A cut profile, or one of RGB colours, is as none.
TEST(InkColours, AProfileThatIsNotAWholeCmykOneIsIgnored)
{
    const RgbPicture picture = GradientPicture(16, 8);
    const RgbPicture printed = Shown(DecodedOk(CmykTiff(InksOf(picture), picture.width)).bitmap);
    std::vector<std::uint8_t> cut = PlainInksProfile();
    cut.resize(cut.size() / 2);
    for (const std::vector<std::uint8_t>& profile : {cut, AdobeRgbProfile()})
        EXPECT_EQ(LargestDifference(DecodedOk(CmykTiff(InksOf(picture), picture.width, profile)).bitmap, printed), 0);
}

}  // namespace
}  // namespace picdec::samples
