// TIFF variants beyond the plain ones: each file is written here with known
// pixels and checked against them, and against ImageMagick's reading where
// ImageMagick is installed.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <functional>
#include <string>

#include <tiffio.h>

#include "tests/native/picdec/DecodeHelpers.h"
#include "tests/native/picdec/ReferenceDecoder.h"
#include "tests/native/picdec/writers/EncodedPictures.h"

namespace picdec::samples {
namespace {

constexpr std::uint32_t kWidth = 37;
constexpr std::uint32_t kHeight = 20;

struct Variant {
    std::string name;
    TiffPlan plan;
    RgbPicture expected;
    int tolerance;  // largest difference of a channel from the expected pixels
    int referenceTolerance = tolerance;  // ImageMagick's from the same; -1: not compared
    std::uint8_t patchedCompression = 0;  // if set, written uncompressed and then marked with this compression
    Status status = Status::Ok;
};

template <typename T>
void PutSample(std::vector<std::uint8_t>& row, T value)
{
    std::uint8_t bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    row.insert(row.end(), bytes, bytes + sizeof(T));
}

// A plan whose rows and expected pixels come from one function per pixel.
Variant Build(std::string name, TiffPlan plan, int tolerance,
              const std::function<Colour(std::uint32_t, std::uint32_t, std::vector<std::uint8_t>&)>& pixel)
{
    plan.width = plan.width != 0 ? plan.width : kWidth;
    plan.height = plan.height != 0 ? plan.height : kHeight;
    RgbPicture expected{plan.width, plan.height, {}};
    for (std::uint32_t y = 0; y < plan.height; ++y) {
        std::vector<std::uint8_t>& row = plan.rows.emplace_back();
        for (std::uint32_t x = 0; x < plan.width; ++x)
            expected.pixels.push_back(pixel(x, y, row));
    }
    return Variant{std::move(name), std::move(plan), std::move(expected), tolerance};
}

TiffPlan Shape(int photometric, int samples, int bits, int format = SAMPLEFORMAT_UINT)
{
    TiffPlan plan;
    plan.photometric = photometric;
    plan.samplesPerPixel = samples;
    plan.bitsPerSample = bits;
    plan.sampleFormat = format;
    return plan;
}

std::uint8_t AlphaAt(std::uint32_t x, std::uint32_t y) { return static_cast<std::uint8_t>((x * 37 + y * 11) % 256); }

// Colours stored premultiplied by their alpha; the reference shows the
// straight colour mixed with white.
Variant AssociatedAlpha(bool grey, int bits, bool planar, bool tiled)
{
    TiffPlan plan = Shape(grey ? PHOTOMETRIC_MINISBLACK : PHOTOMETRIC_RGB, grey ? 2 : 4, bits);
    plan.alpha = true;
    plan.alphaKind = EXTRASAMPLE_ASSOCALPHA;
    plan.planar = planar;
    plan.tileSize = tiled ? 16 : 0;
    plan.compression = COMPRESSION_ADOBE_DEFLATE;
    const std::string name = std::string(grey ? "grey" : "RGB") + " associated alpha " + std::to_string(bits) +
                             (planar ? " planar" : " contiguous") + (tiled ? " tiled" : " stripped");
    Variant variant = Build(name, plan, 1, [=](std::uint32_t x, std::uint32_t y, std::vector<std::uint8_t>& row) {
        const Colour pattern = PatternColour(x, y);
        const Colour c = grey ? Colour{pattern.green, pattern.green, pattern.green} : pattern;
        const std::uint8_t alpha = AlphaAt(x, y);
        const double max = bits == 8 ? 255.0 : 65535.0;
        const double a = alpha / 255.0;
        for (const std::uint8_t channel : grey ? std::vector<std::uint8_t>{c.green}
                                               : std::vector<std::uint8_t>{c.red, c.green, c.blue}) {
            const double premultiplied = std::round(channel / 255.0 * a * max);
            if (bits == 8)
                row.push_back(static_cast<std::uint8_t>(premultiplied));
            else
                PutSample(row, static_cast<std::uint16_t>(premultiplied));
        }
        if (bits == 8)
            row.push_back(alpha);
        else
            PutSample(row, static_cast<std::uint16_t>(alpha * 257));
        return Colour{OnWhite(c.red, alpha), OnWhite(c.green, alpha), OnWhite(c.blue, alpha)};
    });
    if (grey && planar)
        variant.referenceTolerance = -1;  // ImageMagick 6 reads a planar grey page's alpha plane as a colour
    return variant;
}

// sRGB to CIE L*a*b* relative to D65, the way round the decoder does not go.
std::array<double, 3> SrgbToLab(Colour colour)
{
    auto linear = [](std::uint8_t v) {
        const double c = v / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double r = linear(colour.red), g = linear(colour.green), b = linear(colour.blue);
    const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
    const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
    const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
    auto f = [](double t) { return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

// Colours inside the sRGB gamut, away from its edges, and pure white. A
// stored value is rounded to 0.4 L* and whole a* and b* units, which moves
// a colour by up to 6 levels; ImageMagick 6 reads a* and b* half a unit low,
// which moves it by up to 3 more.
Variant CieLab()
{
    Variant variant = Build("CIE L*a*b* 8", Shape(PHOTOMETRIC_CIELAB, 3, 8), 6,
                 [](std::uint32_t x, std::uint32_t y, std::vector<std::uint8_t>& row) {
                     const Colour p = PatternColour(x, y);
                     const auto mid = [](std::uint8_t v) { return static_cast<std::uint8_t>(40 + v * 176 / 255); };
                     const Colour colour = x == 0 ? Colour{255, 255, 255} : Colour{mid(p.red), mid(p.green), mid(p.blue)};
                     const std::array<double, 3> lab = SrgbToLab(colour);
                     row.push_back(static_cast<std::uint8_t>(std::lround(lab[0] * 255 / 100)));
                     row.push_back(static_cast<std::uint8_t>(static_cast<std::int8_t>(std::lround(lab[1]))));
                     row.push_back(static_cast<std::uint8_t>(static_cast<std::int8_t>(std::lround(lab[2]))));
                     return colour;
                 });
    variant.referenceTolerance = 9;
    return variant;
}

std::uint8_t Scaled(double value, double max) { return static_cast<std::uint8_t>(std::lround(value * 255 / max)); }

Variant SignedGrey()
{
    return Build("signed 16-bit grey", Shape(PHOTOMETRIC_MINISBLACK, 1, 16, SAMPLEFORMAT_INT), 1,
                 [](std::uint32_t x, std::uint32_t y, std::vector<std::uint8_t>& row) {
                     const int value = -32768 + static_cast<int>((x * 1771 + y * 3001) % 65536);
                     PutSample(row, static_cast<std::int16_t>(value));
                     const std::uint8_t level = Scaled(value + 32768.0, 65535.0);
                     return Colour{level, level, level};
                 });
}

Variant TwelveBitGrey()
{
    return Build("12-bit grey", Shape(PHOTOMETRIC_MINISBLACK, 1, 12), 1,
                 [](std::uint32_t x, std::uint32_t y, std::vector<std::uint8_t>& row) {
                     const unsigned value = (x * 97 + y * 31) % 4096;
                     // Two samples share three bytes, high bits first.
                     if (x % 2 == 0) {
                         row.push_back(static_cast<std::uint8_t>(value >> 4));
                         row.push_back(static_cast<std::uint8_t>((value & 0x0F) << 4));
                     } else {
                         row.back() = static_cast<std::uint8_t>(row.back() | value >> 8);
                         row.push_back(static_cast<std::uint8_t>(value));
                     }
                     const std::uint8_t level = Scaled(value, 4095.0);
                     return Colour{level, level, level};
                 });
}

// The pattern's colours as unsigned samples of type T.
template <typename T>
Colour PatternRgb(std::uint32_t x, std::uint32_t y, std::vector<std::uint8_t>& row)
{
    const Colour c = PatternColour(x, y);
    for (const std::uint8_t channel : {c.red, c.green, c.blue})
        PutSample(row, static_cast<T>(channel * (T(~T{0}) / 255)));
    return c;
}

// Floating point from 0 to 1, with values outside that clamped.
template <typename Float>
Variant FloatingPoint(int photometric)
{
    TiffPlan plan = Shape(photometric, photometric == PHOTOMETRIC_RGB ? 3 : 1, 8 * sizeof(Float), SAMPLEFORMAT_IEEEFP);
    plan.predictor = PREDICTOR_FLOATINGPOINT;
    plan.compression = COMPRESSION_ADOBE_DEFLATE;
    const std::string name = std::to_string(8 * sizeof(Float)) + "-bit floating point " +
                             (photometric == PHOTOMETRIC_RGB ? "RGB" : "grey");
    return Build(name, plan, 1, [=](std::uint32_t x, std::uint32_t y, std::vector<std::uint8_t>& row) {
        const Colour c = PatternColour(x, y);
        const std::uint8_t channels[] = {c.red, c.green, c.blue};
        Colour shown{};
        std::uint8_t* out[] = {&shown.red, &shown.green, &shown.blue};
        for (int i = 0; i < (photometric == PHOTOMETRIC_RGB ? 3 : 1); ++i) {
            const double value = x == 0 ? -0.5 : x == 1 ? 1.7 : channels[i] / 255.0;
            PutSample(row, static_cast<Float>(value));
            *out[i] = x == 0 ? 0 : x == 1 ? 255 : channels[i];
        }
        if (photometric != PHOTOMETRIC_RGB)
            shown.green = shown.blue = shown.red;
        return shown;
    });
}

std::vector<Variant> Variants()
{
    TiffPlan bigTiff = Shape(PHOTOMETRIC_RGB, 3, 8);
    bigTiff.bigTiff = true;
    bigTiff.compression = COMPRESSION_LZW;
    // The JPEG library reads 8-bit samples only: a 16-bit JPEG page is a
    // variant that cannot be read, not a damaged file.
    Variant cmykJpeg = Build("16-bit CMYK JPEG", Shape(PHOTOMETRIC_SEPARATED, 4, 16), 0,
                             [](std::uint32_t x, std::uint32_t y, std::vector<std::uint8_t>& row) {
                                 PatternRgb<std::uint16_t>(x, y, row);
                                 PutSample(row, std::uint16_t{0});
                                 return Colour{};
                             });
    cmykJpeg.patchedCompression = COMPRESSION_JPEG;
    cmykJpeg.status = Status::UnsupportedVariant;
    return {AssociatedAlpha(false, 8, false, false),
            AssociatedAlpha(false, 16, false, true),
            AssociatedAlpha(false, 8, true, false),
            AssociatedAlpha(false, 16, true, true),
            AssociatedAlpha(true, 8, true, false),
            CieLab(),
            SignedGrey(),
            TwelveBitGrey(),
            Build("32-bit integer RGB", Shape(PHOTOMETRIC_RGB, 3, 32), 1, PatternRgb<std::uint32_t>),
            FloatingPoint<float>(PHOTOMETRIC_RGB),
            FloatingPoint<double>(PHOTOMETRIC_MINISBLACK),
            Build("BigTIFF RGB", bigTiff, 0, PatternRgb<std::uint8_t>),
            cmykJpeg};
}

// Marks an uncompressed page of a little-endian TIFF with another compression.
void SetCompression(File& file, std::uint8_t compression)
{
    const std::uint8_t entry[] = {0x03, 0x01, 3, 0, 1, 0, 0, 0, COMPRESSION_NONE, 0};  // 259, one SHORT
    const auto at = std::search(file.begin(), file.end(), std::begin(entry), std::end(entry));
    ASSERT_NE(at, file.end());
    at[8] = compression;
}

int LargestDifference(const RgbPicture& a, const RgbPicture& b)
{
    int largest = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i)
        largest = std::max({largest, std::abs(a.pixels[i].red - b.pixels[i].red),
                            std::abs(a.pixels[i].green - b.pixels[i].green), std::abs(a.pixels[i].blue - b.pixels[i].blue)});
    return largest;
}

TEST(TiffVariants, ShowWhatTheReferenceDecodersShow)
{
    for (const Variant& variant : Variants()) {
        SCOPED_TRACE(variant.name);
        File file = TiffFile(variant.plan);
        if (variant.patchedCompression != 0)
            SetCompression(file, variant.patchedCompression);
        const Decoded decoded = DecodeFile(file);
        ASSERT_EQ(decoded.status, variant.status);
        if (variant.status != Status::Ok)
            continue;
        EXPECT_LE(samples::LargestDifference(decoded.bitmap, variant.expected), variant.tolerance);
        if (variant.referenceTolerance < 0)
            continue;
        if (const auto reference = ImageMagickPixels(file, variant.plan.width, variant.plan.height, ".tif")) {
            EXPECT_LE(LargestDifference(*reference, variant.expected), variant.referenceTolerance) << "ImageMagick";
        }
    }
}

}  // namespace
}  // namespace picdec::samples
