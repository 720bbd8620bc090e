#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "picdec/MemoryBitmap.h"
#include "picdec/ReadPicture.h"
#include "tests/native/picdec/writers/EncodedPictures.h"
#include "tests/native/picdec/writers/HandBuiltPictures.h"

namespace picdec::samples {

struct Decoded { Status status = Status::Ok; MemoryBitmap bitmap; };

inline Decoded DecodeFile(const File& file, int resolution = 0, bool dither = false)
{
    Decoded decoded;
    ReadRequest request;
    request.resolution = resolution;
    request.dither = dither;
    decoded.status = ReadPicture(file, request, decoded.bitmap);
    return decoded;
}

// The bitmap's pixels as colours.
inline RgbPicture Shown(const MemoryBitmap& bitmap)
{
    return Painted(bitmap.View().width, bitmap.View().height,
                   [&bitmap](std::uint32_t x, std::uint32_t y) { return bitmap.PixelColour(x, y); });
}

// Largest difference of any channel between the bitmap's pixels and the picture; 256 if their sizes differ.
inline int LargestDifference(const MemoryBitmap& bitmap, const RgbPicture& b)
{
    const RgbPicture a = Shown(bitmap);
    if (a.width != b.width || a.height != b.height)
        return 256;
    int largest = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i)
        largest = std::max({largest, std::abs(a.pixels[i].red - b.pixels[i].red),
                            std::abs(a.pixels[i].green - b.pixels[i].green), std::abs(a.pixels[i].blue - b.pixels[i].blue)});
    return largest;
}

inline RgbPicture IndexedPicture(std::uint32_t width, std::uint32_t height, const Palette& palette)
{
    return Painted(width, height, [&palette](std::uint32_t x, std::uint32_t y) {
        return palette[PatternIndex(x, y, static_cast<int>(palette.size()))];
    });
}

using Row = std::vector<std::uint8_t>;
using Rows = std::vector<Row>;

// Pattern indices (PatternIndex over `colours`, else over 2^bits), packed at `bits` per pixel.
inline Rows PatternRows(std::uint32_t width, std::uint32_t height, int bits, int colours = 0)
{
    Rows rows;
    for (std::uint32_t y = 0; y < height; ++y) {
        std::vector<std::uint8_t> indices;
        for (std::uint32_t x = 0; x < width; ++x)
            indices.push_back(PatternIndex(x, y, colours != 0 ? colours : 1 << bits));
        rows.push_back(PackRow(indices, bits));
    }
    return rows;
}

// The alpha SampleRows gives a pixel: rising from 0 at the left to 255 at the right.
inline std::uint8_t RampAlpha(std::uint32_t x, std::uint32_t width) { return static_cast<std::uint8_t>(x * 255 / (width - 1)); }

// Each pixel's samples in the given order of r, g, b and a (RampAlpha); with
// two bytes per sample the second is a low byte that 8-bit output drops.
inline Rows SampleRows(const RgbPicture& picture, std::string_view order, int bytesPerSample = 1)
{
    Rows rows;
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        std::vector<std::uint8_t>& row = rows.emplace_back();
        for (std::uint32_t x = 0; x < picture.width; ++x) {
            const Colour c = picture.At(x, y);
            for (const char channel : order) {
                const std::uint8_t alpha = RampAlpha(x, picture.width);
                row.push_back(channel == 'r' ? c.red : channel == 'g' ? c.green : channel == 'b' ? c.blue : alpha);
                if (bytesPerSample == 2)
                    row.push_back(0x5A);
            }
        }
    }
    return rows;
}

// The picture with the RampAlpha of SampleRows composed on white.
inline RgbPicture OnWhitePicture(const RgbPicture& picture)
{
    return Painted(picture.width, picture.height, [&picture](std::uint32_t x, std::uint32_t y) {
        const Colour c = picture.At(x, y);
        const std::uint8_t alpha = RampAlpha(x, picture.width);
        return Colour{OnWhite(c.red, alpha), OnWhite(c.green, alpha), OnWhite(c.blue, alpha)};
    });
}

// The file decodes at its own depth to `bits` per pixel showing exactly the
// picture, with exactly the palette if one is given.
inline void ExpectDecodes(const File& file, int bits, const RgbPicture& picture, const Palette& palette = {})
{
    const Decoded decoded = DecodeFile(file);
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, bits);
    if (!palette.empty()) {
        EXPECT_EQ(decoded.bitmap.Colours(), palette);
    }
    EXPECT_EQ(LargestDifference(decoded.bitmap, picture), 0);
}

}  // namespace picdec::samples
