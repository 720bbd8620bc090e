#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "framework/DibLayout.h"
#include "framework/DibSize.h"
#include "imagelib/NameText.h"

namespace {

// A packed DIB of `size` bytes with a core (12) or info (40) header.
std::vector<std::uint8_t> Dib(int headerSize, int bitCount, std::size_t size, std::uint32_t colorsUsed = 0,
                              int compression = 0)
{
    std::vector<std::uint8_t> dib(std::max<std::size_t>(size, 40));
    dib[0] = static_cast<std::uint8_t>(headerSize);
    dib[headerSize == 12 ? 10 : 14] = static_cast<std::uint8_t>(bitCount);
    dib[16] = static_cast<std::uint8_t>(compression);  // for a core header, the colour table's bytes
    for (int i = 0; i < 4; ++i)
        dib[32 + i] = static_cast<std::uint8_t>(colorsUsed >> (8 * i));
    dib.resize(size);
    return dib;
}

} // namespace

TEST(GetDIBColorsAndBits, FindsTheColourTableAndThePixelsOrGivesZero)
{
    const std::tuple<const char*, std::vector<std::uint8_t>, int, int, std::size_t> cases[] = {
        {"full table", Dib(40, 8, 2000), 256, 4, 1064}, {"colours used", Dib(40, 8, 200, 17), 17, 4, 108},
        {"true colour", Dib(40, 24, 100), 0, 4, 40}, {"bit field masks", Dib(40, 32, 100, 0, 3), 0, 4, 52},
        {"core header", Dib(12, 4, 100), 16, 3, 60}, {"table beyond the data", Dib(40, 8, 500), 0, 4, 0},
        {"more colours used than 8 bits hold", Dib(40, 8, 500000, 100000), 0, 4, 0},
        {"header cut", Dib(40, 8, 3), 0, 4, 0},
    };
    for (const auto& [what, dib, colorCount, entrySize, bitsOffset] : cases) {
        const DibLayout layout = GetDIBColorsAndBits(dib.data(), dib.size());
        EXPECT_EQ(std::tuple(layout.colorCount, layout.colorEntrySize, layout.bitsOffset),
                  std::tuple(colorCount, entrySize, bitsOffset))
            << what;
    }
    EXPECT_EQ(GetDIBColorsAndBits(nullptr, 100).bitsOffset, 0u);
}

TEST(DeviceIndependentSize, AddsHeaderColourTableAndPaddedRowsAndRefusesWhatDoesNotFitIn64Bits)
{
    for (const auto& [width, height, bits, size] :
         {std::tuple{4, 2, 8, std::int64_t{40 + 1024 + 2 * 4}}, {3, 2, 32, 40 + 2 * 12}, {3, 2, 16, 40 + 2 * 12},
          {33, 1, 1, 40 + 8 + 8}, {6000, 4000, 24, 40 + 18000ll * 4000}})
        EXPECT_EQ(DeviceIndependentSize(width, height, bits), size) << width << "x" << bits;
    EXPECT_FALSE(DeviceIndependentSize(-1, 2, 8) || DeviceIndependentSize(4, 2, 40));
    EXPECT_FALSE(DibPixelBytes(INT64_MAX / 2, 4, 24) || DibPixelBytes(1ll << 40, 1ll << 40, 24));
}

// The file name's stem (of at most 64 characters after the last separator) names a resource, maybe by number.
TEST(ResourceName, IsTheFileNamesStemAndANumberWhenItReadsAsDecimalOrDollarHexadecimal)
{
    EXPECT_EQ(StripFilePath("C:\\" + std::string(70, 'x')), std::string(64, 'x'));
    EXPECT_EQ(FileNameStem("C:\\PICS\\LOGO.OLD.RES"), "LOGO");
    for (const auto& [text, number] : {std::pair{"101", 101}, {"  +7", 7}, {"-3", -3}, {"$1F", 31}})
        EXPECT_EQ(ResourceNumber(text), number) << text;
    for (const char* text : {"LOGO", "101A", "", "$"})
        EXPECT_FALSE(ResourceNumber(text)) << text;
}

TEST(ColorDepthForBitsPerPixel, MapsDisplaysTo4_8Or24)
{
    for (const auto& [bits, depth] : {std::pair{4, 4}, {5, 8}, {15, 8}, {16, 24}})
        EXPECT_EQ(ColorDepthForBitsPerPixel(bits), depth) << bits;
}
