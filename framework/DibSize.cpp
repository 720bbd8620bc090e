#include "framework/DibSize.h"

#include <limits>

namespace {

constexpr std::uint64_t kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());

std::optional<std::uint64_t> Multiply(std::uint64_t a, std::uint64_t b)
{
    if (a != 0 && b > kMax / a)
        return std::nullopt;
    return a * b;
}

std::optional<std::uint64_t> Add(std::uint64_t a, std::uint64_t b)
{
    if (b > kMax - a)
        return std::nullopt;
    return a + b;
}

} // namespace

std::optional<std::uint64_t> DibRowBytes(std::int64_t width, int bitCount)
{
    if (width < 0 || bitCount < 0)
        return std::nullopt;
    auto bits = Multiply(static_cast<std::uint64_t>(width), static_cast<std::uint64_t>(bitCount));
    auto padded = bits ? Add(*bits, 31) : std::nullopt;
    if (!padded)
        return std::nullopt;
    return *padded / 32 * 4;
}

std::optional<std::uint64_t> DibPixelBytes(std::int64_t width, std::int64_t height, int bitCount)
{
    auto row = DibRowBytes(width, bitCount);
    if (!row || height < 0)
        return std::nullopt;
    return Multiply(*row, static_cast<std::uint64_t>(height));
}

std::optional<std::int64_t> DeviceIndependentSize(std::int64_t width, std::int64_t height, int bitsPerPixel)
{
    const int b = bitsPerPixel == 16 || bitsPerPixel == 32 ? 24 : bitsPerPixel;
    if (b < 0 || b > 32)
        return std::nullopt;
    const std::uint64_t colorTable = b == 24 ? 0 : 4ull << b;
    auto pixels = DibPixelBytes(width, height, b);
    auto total = pixels ? Add(40 + colorTable, *pixels) : std::nullopt;
    if (!total)
        return std::nullopt;
    return static_cast<std::int64_t>(*total);
}
