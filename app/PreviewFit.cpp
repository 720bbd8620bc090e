#include "app/PreviewFit.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

constexpr std::int64_t kBoxWidth = 352;
constexpr std::int64_t kBoxHeight = 424;

// Numbers from a file may be anything: sizes stay within int.
int Saturated(std::int64_t value) { return static_cast<int>(std::clamp<std::int64_t>(value, 0, INT_MAX)); }

// numerator / denominator rounded to the nearest, a half to the even neighbour.
std::int64_t DivideRoundingHalfToEven(std::int64_t numerator, std::int64_t denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    std::int64_t quotient = numerator / denominator;
    std::int64_t remainder = numerator % denominator;
    if (remainder < 0) {
        --quotient;
        remainder += denominator;
    }
    const std::int64_t twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

} // namespace

PreviewSize ActualPreviewSize(int width, int height) { return {Saturated(width), Saturated(height)}; }

PreviewSize FittedPreviewSize(int width, int height)
{
    const std::int64_t w = width;
    const std::int64_t h = height;
    if (53 * w > 44 * h) {
        const std::int64_t k = DivideRoundingHalfToEven(kBoxWidth * h, w);
        return {Saturated(kBoxWidth), Saturated(k + 1)};
    }
    if (h == 0)
        return {0, Saturated(kBoxHeight)};
    const std::int64_t k = DivideRoundingHalfToEven(kBoxHeight * w, h);
    return {Saturated(k + 1), Saturated(kBoxHeight)};
}

std::string ColorCountText(long long bitsTimesPlanes)
{
    switch (bitsTimesPlanes) {
    case 1: return "2";
    case 2: return "4";
    case 4: return "16";
    case 8: return "256";
    case 24: return "16M";
    case 32: return "4B";
    default: return "N/A";
    }
}

std::string PictureInfoText(int width, int height, long long bitsTimesPlanes)
{
    return "Picture-Info:  " + std::to_string(width) + "x" + std::to_string(height) + "x" +
           ColorCountText(bitsTimesPlanes);
}

std::string PictureAccessibleName(const std::string& name, int width, int height)
{
    return "picture " + name + ", " + std::to_string(width) + " by " + std::to_string(height);
}
