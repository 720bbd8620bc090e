#include "samples/SamplePicture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

namespace {

struct Rgb {
    double r, g, b;
};

Rgb Mix(Rgb a, Rgb b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

double SmoothStep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// A repeatable pseudo-random value in [0, 1) for a pair of integers.
double Hash(int x, int y)
{
    std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return double((h ^ (h >> 16)) & 0xFFFFFF) / double(0x1000000);
}

// All positions are fractions of the width (u) and the height (v).
class Landscape {
public:
    explicit Landscape(double aspect) : aspect_(aspect) {}

    Rgb At(double u, double v) const
    {
        if (v < Ridge(u, 0.50, 0.09, 1.0))
            return Sky(u, v);
        if (v < Ridge(u, 0.56, 0.05, 2.3))
            return Mix(Rgb{92, 96, 140}, Sky(u, v), 0.45 - (v - 0.45) * 0.8);  // far mountains in haze
        if (v < Shore(u))
            return Mix(Rgb{48, 78, 70}, Rgb{70, 104, 80}, (v - 0.5) * 6);  // wooded hills
        if (v < 0.74 + 0.01 * std::sin(u * 5.0 + 1.0))
            return Lake(u, v);
        return Meadow(u, v);
    }

private:
    double Ridge(double u, double base, double height, double seed) const
    {
        return base - height * (0.55 * std::sin(u * 7.1 + seed) + 0.3 * std::sin(u * 17.3 + 2 * seed) +
                                0.15 * std::sin(u * 41.0 + 3 * seed));
    }
    double Shore(double u) const { return 0.62 + 0.012 * std::sin(u * 11.0); }

    Rgb Sky(double u, double v) const
    {
        Rgb sky = Mix(Rgb{28, 64, 150}, Rgb{120, 170, 225}, v / 0.35);
        sky = Mix(sky, Rgb{250, 205, 160}, SmoothStep(0.30, 0.60, v));
        const double du = (u - 0.72) * aspect_, dv = v - 0.36;
        const double sun = std::sqrt(du * du + dv * dv);
        const double glow = std::exp(-sun * 9.0);
        sky = {sky.r + 120 * glow, sky.g + 95 * glow, sky.b + 40 * glow};
        if (sun < 0.045)
            sky = Mix(sky, Rgb{255, 246, 215}, SmoothStep(0.045, 0.040, sun));
        return Mix(sky, Rgb{250, 250, 252}, Clouds(u, v));
    }

    double Clouds(double u, double v) const
    {
        double cover = 0;
        for (const auto [cu, cv, ru, rv] : {std::array{0.18, 0.16, 0.16, 0.035}, std::array{0.30, 0.13, 0.10, 0.03},
                                            std::array{0.52, 0.24, 0.13, 0.025}, std::array{0.88, 0.12, 0.12, 0.03}}) {
            const double du = (u - cu) / ru, dv = (v - cv) / rv;
            cover += std::exp(-(du * du + dv * dv)) * (0.8 + 0.2 * std::sin(u * 23 + v * 57));
        }
        return std::min(cover, 0.9);
    }

    Rgb Lake(double u, double v) const
    {
        // The sky mirrored in the water line, broken by ripples.
        const double depth = v - Shore(u);
        const double mirrored = Shore(u) - depth * 1.6 + 0.004 * std::sin(v * 900.0 + std::sin(u * 60.0) * 3);
        const Rgb reflection = Sky(u + 0.003 * std::sin(v * 700.0), std::max(0.0, mirrored - 0.2));
        return Mix(Rgb{reflection.r * 0.75, reflection.g * 0.8, reflection.b * 0.9}, Rgb{30, 60, 90}, depth * 4);
    }

    Rgb Meadow(double u, double v) const
    {
        Rgb grass = Mix(Rgb{150, 180, 70}, Rgb{40, 96, 34}, (v - 0.74) / 0.26);
        grass = Mix(grass, Rgb{110, 140, 50}, 0.25 + 0.25 * std::sin(u * 23.0 + v * 31.0));
        for (int tree = 0; tree < 7; ++tree) {
            const double tu = 0.08 + tree * 0.135 + 0.03 * std::sin(tree * 5.0);
            const double base = 0.86 + 0.05 * std::sin(tree * 2.7), size = 0.13 + 0.03 * std::cos(tree * 1.9);
            const double across = std::abs(u - tu) * aspect_;
            if (v > base - size && v < base - size * 0.15 && across < (v - (base - size)) * 0.35)
                return Mix(Rgb{20, 70, 35}, Rgb{45, 110, 50}, across / 0.05 + 0.3 * std::sin(v * 400.0));
            if (v >= base - size * 0.15 && v < base && across < 0.006)
                return Rgb{90, 60, 35};  // trunk
        }
        const int cellU = int(u * 160), cellV = int(v * 120);
        if (v > 0.8 && Hash(cellU, cellV) > 0.93) {
            const double du = (u * 160 - cellU - 0.5), dv = (v * 120 - cellV - 0.5);
            if (du * du + dv * dv < 0.05)
                return Hash(cellV, cellU) > 0.5 ? Rgb{230, 50, 60} : Rgb{250, 215, 60};  // flowers
        }
        return grass;
    }

    double aspect_;
};

std::uint8_t Channel(double value, double grain)
{
    return std::uint8_t(std::clamp(std::lround(value + grain), 0L, 255L));
}

} // namespace

RgbImage DrawSampleLandscape(int width, int height)
{
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("empty picture");
    RgbImage image{width, height, std::vector<std::uint8_t>(std::size_t(width) * std::size_t(height) * 3)};
    const Landscape landscape(double(width) / height);
    std::uint8_t* out = image.rgb.data();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgb c = landscape.At((x + 0.5) / width, (y + 0.5) / height);
            const double grain = (Hash(x, y) - 0.5) * 6;
            *out++ = Channel(c.r, grain);
            *out++ = Channel(c.g, grain);
            *out++ = Channel(c.b, grain);
        }
    return image;
}

std::vector<std::uint8_t> EncodeJpeg(const RgbImage& image, int quality)
{
    jpeg_compress_struct jpeg{};
    jpeg_error_mgr errors{};
    jpeg.err = jpeg_std_error(&errors);
    jpeg_create_compress(&jpeg);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&jpeg, &buffer, &size);
    jpeg.image_width = JDIMENSION(image.width);
    jpeg.image_height = JDIMENSION(image.height);
    jpeg.input_components = 3;
    jpeg.in_color_space = JCS_RGB;
    jpeg_set_defaults(&jpeg);
    jpeg_set_quality(&jpeg, quality, TRUE);
    jpeg_start_compress(&jpeg, TRUE);
    while (jpeg.next_scanline < jpeg.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.rgb.data() + std::size_t(jpeg.next_scanline) * image.width * 3);
        jpeg_write_scanlines(&jpeg, &row, 1);
    }
    jpeg_finish_compress(&jpeg);
    std::vector<std::uint8_t> file(buffer, buffer + size);
    jpeg_destroy_compress(&jpeg);
    std::free(buffer);
    return file;
}
