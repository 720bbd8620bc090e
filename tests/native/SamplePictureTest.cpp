#include "samples/SamplePicture.h"

#include <gtest/gtest.h>

#include <set>

#include "picdec/MemoryBitmap.h"
#include "picdec/ReadPicture.h"

TEST(SamplePicture, IsALargeColourfulLandscapeInJpeg)
{
    const std::vector<std::uint8_t> file = EncodeJpeg(DrawSampleLandscape(1600, 1200), 90);
    picdec::ReadRequest request;
    request.resolution = 24;
    picdec::MemoryBitmap bitmap;
    ASSERT_EQ(picdec::ReadPicture(file, request, bitmap), picdec::Status::Ok);
    ASSERT_EQ(bitmap.View().width, 1600u);
    ASSERT_EQ(bitmap.View().height, 1200u);
    const picdec::Colour sky = bitmap.PixelColour(100, 60), meadow = bitmap.PixelColour(800, 1150);
    EXPECT_GT(sky.blue, sky.red + 60) << "blue sky at the top";
    EXPECT_GT(meadow.green, meadow.blue + 30) << "green meadow at the bottom";
    std::set<std::uint32_t> colours;
    for (std::uint32_t y = 0; y < 1200; y += 3)
        for (std::uint32_t x = 0; x < 1600; x += 3) {
            const picdec::Colour c = bitmap.PixelColour(x, y);
            colours.insert(c.red << 16 | c.green << 8 | c.blue);
        }
    EXPECT_GT(colours.size(), 20000u) << "smooth gradients of many colours";
}
