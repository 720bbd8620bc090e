// TIFF sample layouts beyond the plain ones: each page is written here from
// the pattern's colours and must show them.

#include <cmath>
#include <cstring>

#include <tiffio.h>

#include "tests/native/picdec/DecodeHelpers.h"

namespace picdec::samples {
namespace {

// Appends one sample holding `unit` (0 to 1; beyond only in floating point).
// libtiff takes samples of whole bytes in native (little-endian) order, and
// others as a bit stream, high bits first: two 12-bit samples in three bytes.
void PutSample(Row& row, const TiffPlan& plan, double unit, std::size_t index)
{
    const int bits = plan.bitsPerSample;
    std::uint8_t bytes[8];
    if (plan.sampleFormat == SAMPLEFORMAT_IEEEFP) {
        const float single = static_cast<float>(unit);
        bits == 32 ? std::memcpy(bytes, &single, 4) : std::memcpy(bytes, &unit, 8);
        row.insert(row.end(), bytes, bytes + bits / 8);
        return;
    }
    auto raw = static_cast<std::uint64_t>(std::llround(unit * (std::ldexp(1.0, bits) - 1)));
    if (plan.sampleFormat == SAMPLEFORMAT_INT)
        raw ^= std::uint64_t{1} << (bits - 1);  // the most negative value stands for 0
    if (bits == 12 && index % 2 == 1) {
        row.back() = static_cast<std::uint8_t>(row.back() | raw >> 8);
        row.push_back(static_cast<std::uint8_t>(raw));
    } else if (bits == 12) {
        row.insert(row.end(), {static_cast<std::uint8_t>(raw >> 4), static_cast<std::uint8_t>(raw << 4)});
    } else {
        for (int shift = 0; shift < bits; shift += 8)
            row.push_back(static_cast<std::uint8_t>(raw >> shift));
    }
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

// The pattern's colours (grey: its green), integers stored a half level up
// so that every byte of a wide sample differs; floating point from 0 to 1,
// with values below and above clamped. Associated alpha stores the colours
// premultiplied by their alpha; either alpha shows the straight colour mixed
// with white, and an unspecified extra sample is not shown.
Colour PutPixel(TiffPlan& plan, std::uint32_t x, std::uint32_t y, Row& row)
{
    if (plan.photometric == PHOTOMETRIC_CIELAB)
        return CieLab(x, y, row);
    const bool floating = plan.sampleFormat == SAMPLEFORMAT_IEEEFP, grey = plan.photometric == PHOTOMETRIC_MINISBLACK;
    const Colour p = floating && x < 2 ? Colour{} : PatternColour(x, y);
    const Colour c = grey ? Colour{p.green, p.green, p.green} : p;
    const bool extra = plan.alpha != 0 || plan.unspecifiedExtraSample;
    const double alpha = extra ? (x * 37 + y * 11) % 256 / 255.0 : 1.0;
    const double share = plan.alpha == EXTRASAMPLE_ASSOCALPHA ? alpha : 1.0;
    std::size_t index = std::size_t{x} * static_cast<std::size_t>(plan.samplesPerPixel);
    for (const std::uint8_t channel : grey ? std::vector{c.green} : std::vector{c.red, c.green, c.blue}) {
        const double unit = floating ? (x == 0 ? -0.5 : x == 1 ? 1.7 : channel / 255.0) : (channel + 0.5) / 256 * share;
        PutSample(row, plan, unit, index++);
    }
    if (extra)
        PutSample(row, plan, alpha, index);
    const auto level = static_cast<std::uint8_t>(std::lround(plan.alpha != 0 ? alpha * 255 : 255));
    const auto onWhite = [level](std::uint8_t v) { return OnWhite(v, level); };
    return floating && x == 1 ? Colour{255, 255, 255} : Colour{onWhite(c.red), onWhite(c.green), onWhite(c.blue)};
}

void ExpectShows(TiffPlan plan, int tolerance)
{
    plan.width = 37;
    plan.height = 20;
    const RgbPicture expected = Painted(plan.width, plan.height, [&](std::uint32_t x, std::uint32_t y) {
        return PutPixel(plan, x, y, x == 0 ? plan.rows.emplace_back() : plan.rows.back());
    });
    const Decoded decoded = DecodeFile(TiffFile(plan));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_LE(LargestDifference(decoded.bitmap, expected), tolerance);
}

TEST(TiffVariants, ShowTheStoredColours)
{
    constexpr int kRgb = PHOTOMETRIC_RGB, kAssociated = EXTRASAMPLE_ASSOCALPHA, kFloat = SAMPLEFORMAT_IEEEFP;
    struct Variant { const char* name; TiffPlan plan; int tolerance; };
    const Variant variants[] = {
        {"RGB associated alpha 16 planar tiled", {.bitsPerSample = 16, .samplesPerPixel = 4, .photometric = kRgb,
         .tileSize = 16, .alpha = kAssociated, .planar = true}, 1},
        {"grey associated alpha 8", {.samplesPerPixel = 2, .alpha = kAssociated}, 1},
        {"CIE L*a*b* 8", {.samplesPerPixel = 3, .photometric = PHOTOMETRIC_CIELAB}, 6},
        {"16-bit grey", {.bitsPerSample = 16}, 0},
        {"signed 16-bit grey", {.bitsPerSample = 16, .sampleFormat = SAMPLEFORMAT_INT}, 0},
        {"12-bit grey", {.bitsPerSample = 12}, 0},
        {"32-bit integer RGB", {.bitsPerSample = 32, .samplesPerPixel = 3, .photometric = kRgb}, 0},
        {"32-bit floating point RGB",
         {.bitsPerSample = 32, .samplesPerPixel = 3, .photometric = kRgb, .sampleFormat = kFloat}, 0},
        {"64-bit floating point grey", {.bitsPerSample = 64, .sampleFormat = kFloat}, 0},
    };
    for (const Variant& variant : variants) {
        SCOPED_TRACE(variant.name);
        ExpectShows(variant.plan, variant.tolerance);
    }
}

// Untyped samples are left to libtiff's RGBA conversion, which premultiplies
// some alphas and not others, and takes an unspecified fourth sample of RGB
// for an alpha.
TEST(TiffVariants, ShowEveryKindOfExtraSampleAlikeSampleBySampleAndThroughLibtiff)
{
    struct Kind { const char* name; int alpha; };
    const Kind kinds[] = {{"associated alpha", EXTRASAMPLE_ASSOCALPHA},
                          {"unassociated alpha", EXTRASAMPLE_UNASSALPHA},
                          {"unspecified extra sample", EXTRASAMPLE_UNSPECIFIED}};
    for (const Kind& kind : kinds) {
        for (const int photometric : {PHOTOMETRIC_MINISBLACK, PHOTOMETRIC_RGB}) {
            for (const int format : {SAMPLEFORMAT_UINT, SAMPLEFORMAT_VOID}) {
                SCOPED_TRACE(testing::Message() << kind.name << ", photometric " << photometric << ", format " << format);
                ExpectShows({.samplesPerPixel = photometric == PHOTOMETRIC_RGB ? 4 : 2, .photometric = photometric,
                             .alpha = kind.alpha, .unspecifiedExtraSample = kind.alpha == EXTRASAMPLE_UNSPECIFIED,
                             .sampleFormat = format}, 1);
            }
        }
    }
}

}  // namespace
}  // namespace picdec::samples
