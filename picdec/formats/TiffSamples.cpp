#include "picdec/formats/TiffSamples.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include <tiffio.h>

namespace picdec {

namespace {

constexpr int kLevelTableBits = 16;

bool IsInteger(int format) { return format == SAMPLEFORMAT_UINT || format == SAMPLEFORMAT_INT; }

std::uint64_t TopBit(int bits) { return std::uint64_t{1} << (bits - 1); }

// IEEE 754 half precision.
double HalfToDouble(std::uint16_t half)
{
    const int exponent = (half >> 10) & 0x1F;
    const double mantissa = half & 0x3FF;
    const double magnitude = exponent == 0    ? std::ldexp(mantissa, -24)
                             : exponent == 31 ? (mantissa == 0 ? INFINITY : NAN)
                                              : std::ldexp(mantissa + 1024, exponent - 25);
    return (half & 0x8000) != 0 ? -magnitude : magnitude;
}

double FloatOfRaw(std::uint64_t raw, int bits)
{
    if (bits == 16)
        return HalfToDouble(static_cast<std::uint16_t>(raw));
    if (bits == 32) {
        const auto word = static_cast<std::uint32_t>(raw);
        float value = 0;
        std::memcpy(&value, &word, sizeof value);
        return value;
    }
    double value = 0;
    std::memcpy(&value, &raw, sizeof value);
    return value;
}

}  // namespace

TiffSamples::TiffSamples(int bitsPerSample, int format)
    : bits_(bitsPerSample), format_(format), maximum_(std::ldexp(1.0, bitsPerSample) - 1)
{
    if (IsInteger(format) && bits_ <= kLevelTableBits) {
        levels_.resize(std::size_t{1} << bits_);
        for (std::size_t raw = 0; raw < levels_.size(); ++raw)
            levels_[raw] = LevelOf(UnitOfRaw(raw));
    }
}

bool TiffSamples::Supports(int bitsPerSample, int format)
{
    if (IsInteger(format))
        return bitsPerSample >= 1 && bitsPerSample <= 64;
    return format == SAMPLEFORMAT_IEEEFP && (bitsPerSample == 16 || bitsPerSample == 32 || bitsPerSample == 64);
}

// libtiff hands over samples of 16, 24, 32 and 64 bits in the machine's
// byte order (little-endian wherever this runs), other sizes as a bit
// stream, first sample in the high bits.
std::uint64_t TiffSamples::Raw(const std::uint8_t* row, std::size_t index) const
{
    std::uint64_t value = 0;
    if (bits_ % 8 == 0) {
        const int bytes = bits_ / 8;
        const std::uint8_t* at = row + index * static_cast<std::size_t>(bytes);
        for (int i = bytes - 1; i >= 0; --i)
            value = value << 8 | at[i];
        return value;
    }
    const std::uint64_t bit = static_cast<std::uint64_t>(index) * static_cast<std::uint64_t>(bits_);
    const std::uint8_t* at = row + static_cast<std::size_t>(bit / 8);
    int offset = static_cast<int>(bit % 8);
    for (int left = bits_; left > 0; ++at) {
        const int take = std::min(8 - offset, left);
        value = value << take | ((*at >> (8 - offset - take)) & ((1u << take) - 1));
        left -= take;
        offset = 0;
    }
    return value;
}

double TiffSamples::UnitOfRaw(std::uint64_t raw) const
{
    if (format_ == SAMPLEFORMAT_IEEEFP) {
        const double value = FloatOfRaw(raw, bits_);
        return value > 0 ? std::min(value, 1.0) : 0.0;  // NaN too gives 0
    }
    if (format_ == SAMPLEFORMAT_INT)
        raw ^= TopBit(bits_);  // the most negative value becomes 0
    return static_cast<double>(raw) / maximum_;
}

double TiffSamples::Unit(const std::uint8_t* row, std::size_t index) const { return UnitOfRaw(Raw(row, index)); }

std::int64_t TiffSamples::Signed(const std::uint8_t* row, std::size_t index) const
{
    const std::uint64_t raw = Raw(row, index);
    if (bits_ == 64 || (raw & TopBit(bits_)) == 0)
        return static_cast<std::int64_t>(raw);
    return static_cast<std::int64_t>(raw) - static_cast<std::int64_t>(TopBit(bits_) << 1);
}

}  // namespace picdec
