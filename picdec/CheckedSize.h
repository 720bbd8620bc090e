#pragma once
// Sizes worked out from numbers a file gives (widths, heights, rows per
// strip, tile sizes): 64-bit arithmetic that remembers an overflow instead of
// wrapping, and a test whether the result fits in std::size_t, which has only
// 32 bits in a 32-bit build. Every buffer size of the decoders goes through
// here; offsets inside a buffer that exists are bounded by its size.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <new>
#include <optional>

namespace picdec {

class CheckedSize {
public:
    constexpr CheckedSize(std::uint64_t value = 0) : value_(value) {}

    friend constexpr CheckedSize operator*(CheckedSize a, CheckedSize b)
    {
        if (a.overflowed_ || b.overflowed_ || (a.value_ != 0 && b.value_ > kMax / a.value_))
            return Overflow();
        return CheckedSize(a.value_ * b.value_);
    }

    friend constexpr CheckedSize operator+(CheckedSize a, CheckedSize b)
    {
        if (a.overflowed_ || b.overflowed_ || b.value_ > kMax - a.value_)
            return Overflow();
        return CheckedSize(a.value_ + b.value_);
    }

    // Cannot overflow; an earlier overflow stays.
    friend constexpr CheckedSize operator/(CheckedSize a, std::uint64_t divisor)
    {
        return a.overflowed_ ? a : CheckedSize(a.value_ / divisor);
    }

    constexpr bool Overflowed() const { return overflowed_; }

    // The exact value; meaningless after an overflow.
    constexpr std::uint64_t Value() const { return value_; }

    constexpr bool AtMost(std::uint64_t limit) const { return !overflowed_ && value_ <= limit; }

    // Nothing when the value overflowed or does not fit in size_t.
    constexpr std::optional<std::size_t> ToSize() const
    {
        if (!AtMost(std::numeric_limits<std::size_t>::max()))
            return std::nullopt;
        return static_cast<std::size_t>(value_);
    }

private:
    static constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();

    static constexpr CheckedSize Overflow()
    {
        CheckedSize overflow;
        overflow.overflowed_ = true;
        return overflow;
    }

    std::uint64_t value_ = 0;
    bool overflowed_ = false;
};

// The length of a buffer about to be made. One that cannot fit in memory
// fails as any allocation that finds no memory does, with std::bad_alloc,
// which the library's entries report as "not enough memory".
inline std::size_t SizeForAllocation(CheckedSize size)
{
    const std::optional<std::size_t> length = size.ToSize();
    if (!length)
        throw std::bad_alloc();
    return *length;
}

}  // namespace picdec
