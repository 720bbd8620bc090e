#pragma once
// The repository's own sample picture: a landscape drawn by program (sky,
// sun, clouds, mountains, a lake, a meadow with trees and flowers, and a
// little grain), so the viewer has a photograph-like picture to open.
#include <cstdint>
#include <vector>

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // red, green, blue; top row first
};

RgbImage DrawSampleLandscape(int width, int height);

// The picture as a JPEG file's bytes.
std::vector<std::uint8_t> EncodeJpeg(const RgbImage& image, int quality);
