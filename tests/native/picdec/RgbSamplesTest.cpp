#include "picdec/formats/RgbSamples.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace picdec {
namespace {

TEST(RgbSamples, DeepSamplesRoundToTheNearest8BitValue)
{
    const std::tuple<std::uint32_t, int, std::uint8_t> cases[] = {
        {0, 10, 0}, {1023, 10, 255}, {2, 10, 0}, {3, 10, 1}, {514, 10, 128}, {4095, 12, 255}, {8, 12, 0}, {9, 12, 1},
        {65535, 16, 255}, {128, 16, 0}, {129, 16, 1},
    };
    for (const auto& [value, bits, expected] : cases)
        EXPECT_EQ(ReduceSample(value, bits), expected) << value << " of " << bits << " bits";
}

TEST(RgbSamples, StraightAndPremultipliedAlphaAreComposedOnWhite)
{
    const std::uint8_t rgba[] = {200, 100, 0, 128};
    std::uint8_t row[3] = {};
    WriteBgrRow(rgba, {.alpha = true}, 1, row);
    EXPECT_EQ((std::array{row[0], row[1], row[2]}), (std::array<std::uint8_t, 3>{127, 177, 227}));
    const std::uint8_t premultiplied[] = {100, 50, 0, 128};
    WriteBgrRow(premultiplied, {.alpha = true, .premultiplied = true}, 1, row);
    EXPECT_EQ((std::array{row[0], row[1], row[2]}), (std::array<std::uint8_t, 3>{127, 177, 227}));
}

}  // namespace
}  // namespace picdec
