// TIFF variants beyond the plain ones: each file is written here with known
// pixels and checked against them, and against ImageMagick's reading where
// ImageMagick is installed.

#include <gtest/gtest.h>

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

using Row = std::vector<std::uint8_t>;

struct Variant {
    std::string name;
    TiffPlan plan;
    RgbPicture expected;
    int tolerance;  // largest difference of a channel from the expected pixels
    int referenceTolerance = tolerance;  // ImageMagick's from the same; -1: not compared
};

template <typename T>
void Put(Row& row, T value)
{
    std::uint8_t bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    row.insert(row.end(), bytes, bytes + sizeof(T));
}

// A 37 x 20 page of this shape whose rows and expected pixels come from one function per pixel.
Variant Build(std::string name, int photometric, int samples, int bits, int format, int tolerance,
              const std::function<Colour(std::uint32_t, std::uint32_t, Row&)>& pixel, TiffPlan plan = {})
{
    plan.width = 37;
    plan.height = 20;
    plan.photometric = photometric;
    plan.samplesPerPixel = samples;
    plan.bitsPerSample = bits;
    plan.sampleFormat = format;
    RgbPicture expected{plan.width, plan.height, {}};
    for (std::uint32_t y = 0; y < plan.height; ++y) {
        Row& row = plan.rows.emplace_back();
        for (std::uint32_t x = 0; x < plan.width; ++x)
            expected.pixels.push_back(pixel(x, y, row));
    }
    return Variant{std::move(name), std::move(plan), std::move(expected), tolerance};
}

Variant ReferenceTolerance(Variant variant, int tolerance)
{
    variant.referenceTolerance = tolerance;
    return variant;
}

// Colours stored premultiplied by their alpha, shown as the straight colour mixed with white.
Variant AssociatedAlpha(bool grey, int bits, bool planar, bool tiled)
{
    const TiffPlan plan{.compression = COMPRESSION_ADOBE_DEFLATE, .tileSize = tiled ? 16u : 0u, .alpha = true,
                        .alphaKind = EXTRASAMPLE_ASSOCALPHA, .planar = planar};
    const std::string name = std::string(grey ? "grey" : "RGB") + " associated alpha " + std::to_string(bits) +
                             (planar ? " planar" : "") + (tiled ? " tiled" : "");
    auto put = [bits](Row& row, double unit) {
        if (bits == 8)
            row.push_back(static_cast<std::uint8_t>(std::round(unit * 255)));
        else
            Put(row, static_cast<std::uint16_t>(std::round(unit * 65535)));
    };
    return ReferenceTolerance(Build(name, grey ? PHOTOMETRIC_MINISBLACK : PHOTOMETRIC_RGB, grey ? 2 : 4, bits,
                            SAMPLEFORMAT_UINT, 1, [=](std::uint32_t x, std::uint32_t y, Row& row) {
        const Colour p = PatternColour(x, y);
        const Colour c = grey ? Colour{p.green, p.green, p.green} : p;
        const auto alpha = static_cast<std::uint8_t>((x * 37 + y * 11) % 256);
        for (const std::uint8_t channel : grey ? std::vector{c.green} : std::vector{c.red, c.green, c.blue})
            put(row, channel / 255.0 * alpha / 255.0);
        put(row, alpha / 255.0);
        return Colour{OnWhite(c.red, alpha), OnWhite(c.green, alpha), OnWhite(c.blue, alpha)};
    }, plan), grey && planar ? -1 : 1);  // ImageMagick 6 reads a planar grey page's alpha plane as a colour
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
    return ReferenceTolerance(Build("CIE L*a*b* 8", PHOTOMETRIC_CIELAB, 3, 8, SAMPLEFORMAT_UINT, 6,
                            [](std::uint32_t x, std::uint32_t y, Row& row) {
        const Colour p = PatternColour(x, y);
        const auto mid = [](std::uint8_t v) { return static_cast<std::uint8_t>(40 + v * 176 / 255); };
        const Colour colour = x == 0 ? Colour{255, 255, 255} : Colour{mid(p.red), mid(p.green), mid(p.blue)};
        const std::array<double, 3> lab = SrgbToLab(colour);
        row.push_back(static_cast<std::uint8_t>(std::lround(lab[0] * 255 / 100)));
        for (const double ab : {lab[1], lab[2]})
            row.push_back(static_cast<std::uint8_t>(static_cast<std::int8_t>(std::lround(ab))));
        return colour;
    }), 9);
}

Colour GreyOf(double value, double max)
{
    const auto level = static_cast<std::uint8_t>(std::lround(value * 255 / max));
    return Colour{level, level, level};
}

Colour SignedGrey(std::uint32_t x, std::uint32_t y, Row& row)
{
    const int value = -32768 + static_cast<int>((x * 1771 + y * 3001) % 65536);
    Put(row, static_cast<std::int16_t>(value));
    return GreyOf(value + 32768.0, 65535.0);
}

// Stored in 16 bits, shown by the high byte.
Colour SixteenBitGrey(std::uint32_t x, std::uint32_t y, Row& row)
{
    const std::uint8_t high = PatternColour(x, y).blue;
    Put(row, static_cast<std::uint16_t>(high * 256 + 99));
    return Colour{high, high, high};
}

// Two samples share three bytes, high bits first.
Colour TwelveBitGrey(std::uint32_t x, std::uint32_t y, Row& row)
{
    const unsigned value = (x * 97 + y * 31) % 4096;
    if (x % 2 == 0) {
        row.insert(row.end(), {static_cast<std::uint8_t>(value >> 4), static_cast<std::uint8_t>((value & 0x0F) << 4)});
    } else {
        row.back() = static_cast<std::uint8_t>(row.back() | value >> 8);
        row.push_back(static_cast<std::uint8_t>(value));
    }
    return GreyOf(value, 4095.0);
}

// The pattern's colours as unsigned samples of type T.
template <typename T>
Colour PatternRgb(std::uint32_t x, std::uint32_t y, Row& row)
{
    const Colour c = PatternColour(x, y);
    for (const std::uint8_t channel : {c.red, c.green, c.blue})
        Put(row, static_cast<T>(channel * (T(~T{0}) / 255)));
    return c;
}

// Floating point from 0 to 1, with values outside that clamped.
template <typename Float>
Variant FloatingPoint(bool rgb)
{
    const std::string name = std::to_string(8 * sizeof(Float)) + "-bit floating point " + (rgb ? "RGB" : "grey");
    const TiffPlan plan{.compression = COMPRESSION_ADOBE_DEFLATE, .predictor = PREDICTOR_FLOATINGPOINT};
    return Build(name, rgb ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK, rgb ? 3 : 1, 8 * sizeof(Float),
                 SAMPLEFORMAT_IEEEFP, 1, [=](std::uint32_t x, std::uint32_t y, Row& row) {
        const Colour c = x == 0 ? Colour{} : x == 1 ? Colour{255, 255, 255} : PatternColour(x, y);
        for (const std::uint8_t channel : rgb ? std::vector{c.red, c.green, c.blue} : std::vector{c.red})
            Put(row, static_cast<Float>(x == 0 ? -0.5 : x == 1 ? 1.7 : channel / 255.0));
        return rgb ? c : Colour{c.red, c.red, c.red};
    }, plan);
}

TEST(TiffVariants, ShowWhatTheReferenceDecodersShow)
{
    const Variant variants[] = {
        AssociatedAlpha(false, 8, false, false),
        AssociatedAlpha(false, 16, true, true),
        AssociatedAlpha(true, 8, true, false),
        CieLab(),
        Build("signed 16-bit grey", PHOTOMETRIC_MINISBLACK, 1, 16, SAMPLEFORMAT_INT, 1, SignedGrey),
        ReferenceTolerance(Build("16-bit grey", PHOTOMETRIC_MINISBLACK, 1, 16, SAMPLEFORMAT_UINT, 0, SixteenBitGrey), 1),
        Build("12-bit grey", PHOTOMETRIC_MINISBLACK, 1, 12, SAMPLEFORMAT_UINT, 1, TwelveBitGrey),
        Build("32-bit integer RGB", PHOTOMETRIC_RGB, 3, 32, SAMPLEFORMAT_UINT, 1, PatternRgb<std::uint32_t>),
        FloatingPoint<float>(true),
        FloatingPoint<double>(false),
        Build("BigTIFF RGB", PHOTOMETRIC_RGB, 3, 8, SAMPLEFORMAT_UINT, 0, PatternRgb<std::uint8_t>,
              {.compression = COMPRESSION_LZW, .bigTiff = true}),
    };
    for (const Variant& variant : variants) {
        SCOPED_TRACE(variant.name);
        const File file = TiffFile(variant.plan);
        const Decoded decoded = DecodeFile(file);
        ASSERT_EQ(decoded.status, Status::Ok);
        EXPECT_LE(LargestDifference(decoded.bitmap, variant.expected), variant.tolerance);
        if (variant.referenceTolerance < 0)
            continue;
        if (const auto reference = ImageMagickPixels(file, variant.plan.width, variant.plan.height, ".tif")) {
            EXPECT_LE(LargestDifference(*reference, variant.expected), variant.referenceTolerance);
        }
    }
}

}  // namespace
}  // namespace picdec::samples
