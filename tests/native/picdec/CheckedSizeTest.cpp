#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <new>

#include "picdec/CheckedSize.h"
#include "picdec/DibView.h"

namespace picdec {
namespace {

constexpr std::uint64_t k2To32 = std::uint64_t{1} << 32;
constexpr std::uint64_t kMax64 = std::numeric_limits<std::uint64_t>::max();

// Exact past 32 bits, where a 32-bit build's size_t wraps; an overflow past
// 64 bits is reported and kept through later steps.
TEST(CheckedSize, KeepsResultsExactOrReportsAndKeepsAnOverflow)
{
    const CheckedSize overflowed = CheckedSize(k2To32) * k2To32;
    struct Case { CheckedSize result; bool overflow; std::uint64_t value; };
    const Case cases[] = {
        // A 65,535-pixel true-colour row times a tile height of 21,856: wraps to 2 MB in 32 bits.
        {CheckedSize(196605) * 21856, false, 4296998880u}, {CheckedSize(k2To32 - 1) + 1, false, k2To32},
        {DibStride(0xFFFFFFFF, 32), false, (k2To32 - 1) * 4},
        {overflowed, true, 0}, {CheckedSize(k2To32 + 1) * (k2To32 - 1), false, kMax64},
        {CheckedSize(kMax64) * 2, true, 0}, {CheckedSize(kMax64 - 1) + 1, false, kMax64},
        {CheckedSize(kMax64) + 1, true, 0}, {CheckedSize(0) * kMax64, false, 0}, {overflowed * 0, true, 0},
        {overflowed + 0, true, 0}, {overflowed / kMax64, true, 0},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(cases[i].result.Overflowed(), cases[i].overflow) << "case " << i;
        if (!cases[i].overflow) {
            EXPECT_EQ(cases[i].result.Value(), cases[i].value) << "case " << i;
        }
    }
    EXPECT_FALSE(overflowed.AtMost(kMax64));
}

TEST(CheckedSize, FitsInSizeTOnlyWhatSizeTHolds)
{
    EXPECT_EQ(CheckedSize(k2To32 - 1).ToSize(), std::size_t{0xFFFFFFFF});
    EXPECT_EQ(CheckedSize(k2To32).ToSize().has_value(), sizeof(std::size_t) > 4);
    EXPECT_EQ(CheckedSize(std::numeric_limits<std::size_t>::max()).ToSize(), std::numeric_limits<std::size_t>::max());
    EXPECT_TRUE(CheckedSize(512u << 20).AtMost(512u << 20));
    EXPECT_FALSE(CheckedSize((512u << 20) + 1).AtMost(512u << 20));
    EXPECT_THROW(SizeForAllocation(CheckedSize(kMax64) * 2), std::bad_alloc);
}

}  // namespace
}  // namespace picdec
