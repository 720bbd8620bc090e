#pragma once

#include <gtest/gtest.h>

#include "picdec/MemoryBitmap.h"
#include "picdec/ReadPicture.h"
#include "tests/native/picdec/writers/TestPictures.h"

namespace picdec {

inline void PrintTo(Status status, std::ostream* out)
{
    *out << static_cast<int>(status) << " (" << MessageOf(status) << ")";
}

}  // namespace picdec

namespace picdec::samples {

struct Decoded {
    Status status = Status::Ok;
    MemoryBitmap bitmap;
};

inline Decoded DecodeFile(const File& file, int resolution = 0, bool dither = false)
{
    Decoded decoded;
    ReadRequest request;
    request.resolution = resolution;
    request.dither = dither;
    decoded.status = ReadPicture(file, request, decoded.bitmap);
    return decoded;
}

inline PictureInfo InfoOf(const File& file)
{
    PictureInfo info;
    EXPECT_EQ(ReadPictureInfo(file, info), Status::Ok);
    return info;
}

// Every pixel of the bitmap equals the picture's colour at the same place.
inline ::testing::AssertionResult ShowsPicture(const MemoryBitmap& bitmap, const RgbPicture& picture)
{
    if (bitmap.View().width != picture.width || bitmap.View().height != picture.height)
        return ::testing::AssertionFailure() << "size " << bitmap.View().width << "x" << bitmap.View().height;
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        for (std::uint32_t x = 0; x < picture.width; ++x) {
            const Colour got = bitmap.PixelColour(x, y);
            const Colour want = picture.At(x, y);
            if (got != want)
                return ::testing::AssertionFailure()
                       << "pixel " << x << "," << y << " is " << int(got.red) << "," << int(got.green) << ","
                       << int(got.blue) << " instead of " << int(want.red) << "," << int(want.green) << ","
                       << int(want.blue);
        }
    }
    return ::testing::AssertionSuccess();
}

// Largest difference of any channel between bitmap and picture.
inline int LargestDifference(const MemoryBitmap& bitmap, const RgbPicture& picture)
{
    int largest = 0;
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        for (std::uint32_t x = 0; x < picture.width; ++x) {
            const Colour a = bitmap.PixelColour(x, y);
            const Colour b = picture.At(x, y);
            largest = std::max({largest, std::abs(a.red - b.red), std::abs(a.green - b.green), std::abs(a.blue - b.blue)});
        }
    }
    return largest;
}

inline RgbPicture IndexedPicture(std::uint32_t width, std::uint32_t height, const Palette& palette)
{
    RgbPicture picture{width, height, {}};
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x)
            picture.pixels.push_back(palette[PatternIndex(x, y, static_cast<int>(palette.size()))]);
    return picture;
}

}  // namespace picdec::samples
