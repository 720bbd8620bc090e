#include "framework/DibSize.h"

#include <gtest/gtest.h>

TEST(DeviceIndependentSize, AddsHeaderColourTableAndPaddedRowsAndRefusesWhatDoesNotFitIn64Bits)
{
    struct Case { int width, height, bits; std::int64_t expected; };
    for (const Case& c : {Case{4, 2, 8, 40 + 1024 + 2 * 4}, Case{3, 2, 32, 40 + 2 * 12}, Case{33, 1, 1, 40 + 8 + 8},
                          Case{6000, 4000, 24, 40 + 18000ll * 4000}})
        EXPECT_EQ(DeviceIndependentSize(c.width, c.height, c.bits), c.expected) << c.width << "x" << c.bits;
    EXPECT_FALSE(DeviceIndependentSize(-1, 2, 8) || DeviceIndependentSize(4, 2, 40));
    EXPECT_FALSE(DibPixelBytes(INT64_MAX / 2, 4, 24) || DibPixelBytes(1ll << 40, 1ll << 40, 24));
}
