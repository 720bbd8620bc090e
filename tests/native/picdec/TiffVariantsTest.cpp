// TIFF sample layouts beyond the plain ones: each page is written here with
// known pixels and checked against them.

#include <cmath>
#include <cstring>
#include <functional>

#include <tiffio.h>

#include "tests/native/picdec/DecodeHelpers.h"

namespace picdec::samples {
namespace {

using Row = std::vector<std::uint8_t>;
// Appends one pixel's samples to the row and gives the colour it must show.
using PixelSamples = std::function<Colour(std::uint32_t x, std::uint32_t y, Row& row)>;

template <typename T>
void Put(Row& row, T value)
{
    std::uint8_t bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    row.insert(row.end(), bytes, bytes + sizeof(T));
}

// Colours stored premultiplied by their alpha, shown as the straight colour mixed with white.
PixelSamples AssociatedAlpha(bool grey, int bits)
{
    return [=](std::uint32_t x, std::uint32_t y, Row& row) {
        const Colour p = PatternColour(x, y);
        const Colour c = grey ? Colour{p.green, p.green, p.green} : p;
        const auto alpha = static_cast<std::uint8_t>((x * 37 + y * 11) % 256);
        auto put = [&](double unit) {
            if (bits == 8)
                row.push_back(static_cast<std::uint8_t>(std::round(unit * 255)));
            else
                Put(row, static_cast<std::uint16_t>(std::round(unit * 65535)));
        };
        for (const std::uint8_t channel : grey ? std::vector{c.green} : std::vector{c.red, c.green, c.blue})
            put(channel / 255.0 * alpha / 255.0);
        put(alpha / 255.0);
        return Colour{OnWhite(c.red, alpha), OnWhite(c.green, alpha), OnWhite(c.blue, alpha)};
    };
}

// Known colours as CIE L*a*b* relative to D65: L* over 0..255, a* and b*
// signed. Storing rounds L* to 0.4 and a* and b* to whole units, which moves
// a colour inside the gamut by up to 6 levels.
Colour CieLab(std::uint32_t x, std::uint32_t y, Row& row)
{
    struct Known { Colour colour; double l, a, b; };
    static const Known known[] = {{{255, 255, 255}, 100, 0, 0},          {{0, 0, 0}, 0, 0, 0},
                                  {{40, 160, 90}, 58.35, -48.53, 27.37},  {{200, 120, 60}, 58.08, 26.18, 45.19},
                                  {{90, 60, 200}, 37.07, 48.79, -68.38}, {{20, 30, 25}, 10.16, -5.9, 1.98}};
    const Known& k = known[(x + y) % std::size(known)];
    row.push_back(static_cast<std::uint8_t>(std::lround(k.l * 255 / 100)));
    for (const double ab : {k.a, k.b})
        row.push_back(static_cast<std::uint8_t>(static_cast<std::int8_t>(std::lround(ab))));
    return k.colour;
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

Colour RgbOf32BitIntegers(std::uint32_t x, std::uint32_t y, Row& row)
{
    const Colour c = PatternColour(x, y);
    for (const std::uint8_t channel : {c.red, c.green, c.blue})
        Put(row, static_cast<std::uint32_t>(channel * (0xFFFFFFFFu / 255)));
    return c;
}

// Floating point from 0 to 1, with values outside that clamped.
template <typename Float>
Colour FloatingPoint(std::uint32_t x, std::uint32_t y, Row& row, bool rgb)
{
    const Colour c = x == 0 ? Colour{} : x == 1 ? Colour{255, 255, 255} : PatternColour(x, y);
    for (const std::uint8_t channel : rgb ? std::vector{c.red, c.green, c.blue} : std::vector{c.red})
        Put(row, static_cast<Float>(x == 0 ? -0.5 : x == 1 ? 1.7 : channel / 255.0));
    return rgb ? c : Colour{c.red, c.red, c.red};
}

TEST(TiffVariants, ShowTheStoredColours)
{
    constexpr int kAssociated = EXTRASAMPLE_ASSOCALPHA;
    constexpr int kDeflate = COMPRESSION_ADOBE_DEFLATE;
    struct Variant { const char* name; TiffPlan plan; PixelSamples pixel; int tolerance; };
    const Variant variants[] = {
        {"RGB associated alpha 16 planar tiled", {.bitsPerSample = 16, .samplesPerPixel = 4, .photometric = PHOTOMETRIC_RGB,
         .compression = kDeflate, .tileSize = 16, .alpha = true, .alphaKind = kAssociated, .planar = true},
         AssociatedAlpha(false, 16), 1},
        {"grey associated alpha 8", {.samplesPerPixel = 2, .compression = kDeflate, .alpha = true, .alphaKind = kAssociated},
         AssociatedAlpha(true, 8), 1},
        {"CIE L*a*b* 8", {.samplesPerPixel = 3, .photometric = PHOTOMETRIC_CIELAB}, CieLab, 6},
        {"signed 16-bit grey", {.bitsPerSample = 16, .sampleFormat = SAMPLEFORMAT_INT}, SignedGrey, 1},
        {"16-bit grey", {.bitsPerSample = 16}, SixteenBitGrey, 0},
        {"12-bit grey", {.bitsPerSample = 12}, TwelveBitGrey, 1},
        {"32-bit integer RGB", {.bitsPerSample = 32, .samplesPerPixel = 3, .photometric = PHOTOMETRIC_RGB},
         RgbOf32BitIntegers, 1},
        {"32-bit floating point RGB", {.bitsPerSample = 32, .samplesPerPixel = 3, .photometric = PHOTOMETRIC_RGB,
         .compression = kDeflate, .sampleFormat = SAMPLEFORMAT_IEEEFP, .predictor = PREDICTOR_FLOATINGPOINT},
         [](std::uint32_t x, std::uint32_t y, Row& row) { return FloatingPoint<float>(x, y, row, true); }, 1},
        {"64-bit floating point grey", {.bitsPerSample = 64, .sampleFormat = SAMPLEFORMAT_IEEEFP},
         [](std::uint32_t x, std::uint32_t y, Row& row) { return FloatingPoint<double>(x, y, row, false); }, 1},
    };
    for (const Variant& variant : variants) {
        SCOPED_TRACE(variant.name);
        TiffPlan plan = variant.plan;
        plan.width = 37;
        plan.height = 20;
        const RgbPicture expected = Painted(plan.width, plan.height, [&](std::uint32_t x, std::uint32_t y) {
            return variant.pixel(x, y, x == 0 ? plan.rows.emplace_back() : plan.rows.back());
        });
        const Decoded decoded = DecodeFile(TiffFile(plan));
        ASSERT_EQ(decoded.status, Status::Ok);
        EXPECT_LE(LargestDifference(decoded.bitmap, expected), variant.tolerance);
    }
}

}  // namespace
}  // namespace picdec::samples
