#include <gtest/gtest.h>

#include <vector>

#include "framework/DibLayout.h"
#include "imagelib/NameText.h"

namespace {

std::vector<std::uint8_t> InfoHeader(int bitCount, std::uint32_t colorsUsed, std::size_t totalSize, int compression = 0)
{
    std::vector<std::uint8_t> dib(totalSize);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            dib[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    put32(0, 40);
    dib[14] = static_cast<std::uint8_t>(bitCount);
    put32(16, static_cast<std::uint32_t>(compression));
    put32(32, colorsUsed);
    return dib;
}

std::vector<std::uint8_t> CoreHeader(int bitCount, std::size_t totalSize)
{
    std::vector<std::uint8_t> dib(totalSize);
    dib[0] = 12;
    dib[10] = static_cast<std::uint8_t>(bitCount);
    return dib;
}

} // namespace

TEST(GetDIBColorsAndBits, InfoHeaderCountsColoursUsedOrTheFullTable)
{
    auto eight = InfoHeader(8, 0, 2000);
    EXPECT_EQ(GetDIBColorsAndBits(eight.data(), eight.size()).colorCount, 256);
    EXPECT_EQ(GetDIBColorsAndBits(eight.data(), eight.size()).bitsOffset, 1064u);
    auto seventeen = InfoHeader(8, 17, 200);
    EXPECT_EQ(GetDIBColorsAndBits(seventeen.data(), seventeen.size()).colorCount, 17);
    EXPECT_EQ(GetDIBColorsAndBits(seventeen.data(), seventeen.size()).bitsOffset, 108u);
    auto trueColour = InfoHeader(24, 0, 100);
    EXPECT_EQ(GetDIBColorsAndBits(trueColour.data(), trueColour.size()).colorCount, 0);
    EXPECT_EQ(GetDIBColorsAndBits(trueColour.data(), trueColour.size()).bitsOffset, 40u);
}

TEST(GetDIBColorsAndBits, CoreHeaderHasThreeByteEntries)
{
    auto four = CoreHeader(4, 100);
    DibLayout layout = GetDIBColorsAndBits(four.data(), four.size());
    EXPECT_EQ(layout.colorCount, 16);
    EXPECT_EQ(layout.colorEntrySize, 3);
    EXPECT_EQ(layout.bitsOffset, 60u);
    auto trueColour = CoreHeader(24, 100);
    EXPECT_EQ(GetDIBColorsAndBits(trueColour.data(), trueColour.size()).colorCount, 0);
    EXPECT_EQ(GetDIBColorsAndBits(trueColour.data(), trueColour.size()).bitsOffset, 12u);
}

TEST(GetDIBColorsAndBits, HighColourHasNoTableButItsBitFieldMasks)
{
    auto sixteen = InfoHeader(16, 0, 100);
    EXPECT_EQ(GetDIBColorsAndBits(sixteen.data(), sixteen.size()).colorCount, 0);
    EXPECT_EQ(GetDIBColorsAndBits(sixteen.data(), sixteen.size()).bitsOffset, 40u);
    auto masked = InfoHeader(32, 0, 100, 3);
    EXPECT_EQ(GetDIBColorsAndBits(masked.data(), masked.size()).bitsOffset, 52u);
}

TEST(GetDIBColorsAndBits, UnreadableHeadersGiveZero)
{
    auto eight = InfoHeader(8, 0, 500);  // table reaches beyond the data
    EXPECT_EQ(GetDIBColorsAndBits(eight.data(), eight.size()).bitsOffset, 0u);
    EXPECT_EQ(GetDIBColorsAndBits(eight.data(), 3).colorCount, 0);
    EXPECT_EQ(GetDIBColorsAndBits(nullptr, 100).bitsOffset, 0u);
    auto huge = InfoHeader(8, 100000, 2000);
    EXPECT_EQ(GetDIBColorsAndBits(huge.data(), huge.size()).bitsOffset, 0u);
}

TEST(StripFilePath, KeepsAtMost64CharactersAfterTheLastSeparator)
{
    EXPECT_EQ(StripFilePath("C:\\PICS\\LOGO.RES"), "LOGO.RES");
    EXPECT_EQ(StripFilePath("A:LOGO"), "LOGO");
    EXPECT_EQ(StripFilePath("LOGO"), "LOGO");
    EXPECT_EQ(StripFilePath("C:\\" + std::string(70, 'x')), std::string(64, 'x'));
}

TEST(FileNameStem, CutsBeforeTheFirstDot)
{
    EXPECT_EQ(FileNameStem("C:\\PICS\\LOGO.OLD.RES"), "LOGO");
    EXPECT_EQ(FileNameStem("C:\\PICS\\LOGO"), "LOGO");
}

TEST(ResourceNumber, ReadsDecimalAndDollarHexadecimal)
{
    EXPECT_EQ(ResourceNumber("101"), 101);
    EXPECT_EQ(ResourceNumber("  +7"), 7);
    EXPECT_EQ(ResourceNumber("-3"), -3);
    EXPECT_EQ(ResourceNumber("$1F"), 31);
    EXPECT_FALSE(ResourceNumber("LOGO"));
    EXPECT_FALSE(ResourceNumber("101A"));
    EXPECT_FALSE(ResourceNumber("1F"));
    EXPECT_FALSE(ResourceNumber(""));
    EXPECT_FALSE(ResourceNumber("$"));
}

TEST(ColorDepthForBitsPerPixel, MapsDisplaysTo4_8Or24)
{
    for (int bits : {1, 2, 4})
        EXPECT_EQ(ColorDepthForBitsPerPixel(bits), 4) << bits;
    for (int bits : {5, 7, 8, 15})
        EXPECT_EQ(ColorDepthForBitsPerPixel(bits), 8) << bits;
    for (int bits : {16, 24, 32})
        EXPECT_EQ(ColorDepthForBitsPerPixel(bits), 24) << bits;
}
