#include "picdec/colour/LabColour.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace picdec {

namespace {

constexpr double kWhiteX = 0.95047;
constexpr double kWhiteZ = 1.08883;
constexpr double kEpsilon = 216.0 / 24389.0;
constexpr double kKappa = 24389.0 / 27.0;

double InverseCompand(double f)
{
    const double cube = f * f * f;
    return cube > kEpsilon ? cube : (116.0 * f - 16.0) / kKappa;
}

double Linear(double encoded)
{
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

// The linear intensity from which each level 1 to 255 is the nearest; a
// search of these takes the place of a power per sample.
using LevelStarts = std::array<double, 255>;

LevelStarts MakeLevelStarts()
{
    LevelStarts starts{};
    for (std::size_t level = 1; level <= starts.size(); ++level)
        starts[level - 1] = Linear((static_cast<double>(level) - 0.5) / 255.0);
    return starts;
}

std::uint8_t Encoded(double linear)
{
    static const LevelStarts starts = MakeLevelStarts();
    return static_cast<std::uint8_t>(std::upper_bound(starts.begin(), starts.end(), linear) - starts.begin());
}

}  // namespace

Colour LabToSrgb(double lightness, double a, double b)
{
    const double fy = (lightness + 16.0) / 116.0;
    const double x = kWhiteX * InverseCompand(fy + a / 500.0);
    const double y = lightness > kKappa * kEpsilon ? fy * fy * fy : lightness / kKappa;
    const double z = kWhiteZ * InverseCompand(fy - b / 200.0);
    return Colour{Encoded(3.2404542 * x - 1.5371385 * y - 0.4985314 * z),
                  Encoded(-0.9692660 * x + 1.8760108 * y + 0.0415560 * z),
                  Encoded(0.0556434 * x - 0.2040259 * y + 1.0572252 * z)};
}

}  // namespace picdec
