#include "picdec/colour/LabColour.h"

#include <algorithm>
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

std::uint8_t Encoded(double linear)
{
    linear = std::clamp(linear, 0.0, 1.0);
    const double encoded = linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
    return static_cast<std::uint8_t>(encoded * 255.0 + 0.5);
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
