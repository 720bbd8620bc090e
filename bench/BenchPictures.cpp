#include "BenchPictures.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

#include "picdec/ConvertDepth.h"
#include "picdec/MemoryBitmap.h"
#include "tests/native/picdec/writers/EncodedPictures.h"
#include "tests/native/picdec/writers/HandBuiltPictures.h"
#include "tests/native/picdec/writers/IccProfiles.h"

namespace picdec::bench {

namespace {

using samples::File;
using samples::RgbPicture;

constexpr std::uint32_t kWidth12 = 4000;
constexpr std::uint32_t kHeight12 = 3000;

std::vector<double> Wave(std::size_t count, double period, double amplitude)
{
    std::vector<double> wave(count);
    for (std::size_t i = 0; i < count; ++i)
        wave[i] = amplitude * std::sin(static_cast<double>(i) / period);
    return wave;
}

std::uint8_t Channel(double value) { return static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0)); }

RgbPicture MakePhoto(std::uint32_t width, std::uint32_t height)
{
    const auto across = Wave(width, 211.0, 70.0);
    const auto down = Wave(height, 157.0, 60.0);
    const auto diagonal = Wave(width + 2 * height, 41.0, 25.0);
    RgbPicture picture{width, height, {}};
    picture.pixels.reserve(static_cast<std::size_t>(width) * height);
    std::uint32_t seed = 12345;
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const double grain = static_cast<double>(seed >> 28) - 7.5;
            const double d = diagonal[x + 2 * y];
            const bool inside = ((x / 500) + (y / 400)) % 3 == 0;  // hard edges
            const double shift = inside ? 40.0 : 0.0;
            picture.pixels.push_back(Colour{Channel(128 + across[x] + d + grain + shift),
                                            Channel(110 + down[y] - d + grain),
                                            Channel(140 + across[x] * 0.5 - down[y] * 0.7 + grain - shift)});
        }
    }
    return picture;
}

BenchFile Save(const std::string& name, File bytes)
{
    const std::filesystem::path dir = LUMO_BENCH_DIR;
    std::filesystem::create_directories(dir);
    const std::filesystem::path path = dir / name;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return BenchFile{std::move(bytes), path.string()};
}

// The photo reduced to 256 colours, for the paletted formats.
struct IndexedPhoto {
    std::vector<std::uint8_t> indices;  // top row first
    Palette palette;
};

const IndexedPhoto& Indexed12()
{
    static const IndexedPhoto indexed = [] {
        const RgbPicture& photo = Photo(kWidth12, kHeight12);
        MemoryBitmap source;
        const DibView view = source.CreateBitmap(photo.width, photo.height, 24, {});
        for (std::uint32_t y = 0; y < photo.height; ++y)
            for (std::uint32_t x = 0; x < photo.width; ++x) {
                const Colour c = photo.At(x, y);
                std::uint8_t* p = view.Row(y) + x * 3;
                p[0] = c.blue, p[1] = c.green, p[2] = c.red;
            }
        MemoryBitmap reduced;
        ConvertDepth(view, {}, 8, false, reduced);
        IndexedPhoto result{{}, reduced.Colours()};
        for (std::uint32_t y = 0; y < photo.height; ++y)
            for (std::uint32_t x = 0; x < photo.width; ++x)
                result.indices.push_back(static_cast<std::uint8_t>(reduced.PixelIndex(x, y)));
        return result;
    }();
    return indexed;
}

}  // namespace

const RgbPicture& Photo(std::uint32_t width, std::uint32_t height)
{
    static const RgbPicture photo24 = MakePhoto(6000, 4000);
    static const RgbPicture photo12 = MakePhoto(kWidth12, kHeight12);
    return width == 6000 && height == 4000 ? photo24 : photo12;
}

namespace {

// The 24-megapixel photo as a JPEG of quality 90, written once.
BenchFile Jpeg24Megapixel(const char* name, samples::JpegOptions options)
{
    options.quality = 90;
    return Save(name, samples::JpegFile(Photo(6000, 4000), options));
}

}  // namespace

const BenchFile& Jpeg24Megapixel420()
{
    static const BenchFile file = Jpeg24Megapixel("photo24mp-420.jpg", {.fullChroma = false});
    return file;
}

const BenchFile& Jpeg24MegapixelAdobeRgb()
{
    static const BenchFile file =
        Jpeg24Megapixel("photo24mp-adobergb.jpg", {.fullChroma = false, .iccProfile = samples::AdobeRgbProfile()});
    return file;
}

const BenchFile& Jpeg24MegapixelSrgbTagged()
{
    static const BenchFile file =
        Jpeg24Megapixel("photo24mp-srgb.jpg", {.fullChroma = false, .iccProfile = samples::SrgbProfile()});
    return file;
}

const BenchFile& Jpeg24MegapixelCmyk()
{
    static const BenchFile file = Jpeg24Megapixel("photo24mp-cmyk.jpg", {.cmyk = true});
    return file;
}

const BenchFile& Png12Megapixel()
{
    static const BenchFile file = [] {
        const RgbPicture& photo = Photo(kWidth12, kHeight12);
        samples::PngPlan plan{photo.width, photo.height, 2, 8, false, {}, {}, {}, -1};
        for (std::uint32_t y = 0; y < photo.height; ++y) {
            std::vector<std::uint8_t> row;
            row.reserve(photo.width * 3);
            for (std::uint32_t x = 0; x < photo.width; ++x) {
                const Colour c = photo.At(x, y);
                row.insert(row.end(), {c.red, c.green, c.blue});
            }
            plan.rows.push_back(std::move(row));
        }
        return Save("photo12mp.png", samples::PngFile(plan));
    }();
    return file;
}

const BenchFile& Gif12Megapixel()
{
    static const BenchFile file = [] {
        samples::GifPlan plan;
        plan.screenWidth = plan.width = kWidth12;
        plan.screenHeight = plan.height = kHeight12;
        plan.palette = Indexed12().palette;
        plan.palette.resize(256);
        plan.indices = Indexed12().indices;
        return Save("photo12mp.gif", samples::GifFile(plan));
    }();
    return file;
}

const BenchFile& Pcx12Megapixel()
{
    static const BenchFile file = [] {
        samples::PcxPlan plan;
        plan.width = kWidth12;
        plan.height = kHeight12;
        plan.endPalette = Indexed12().palette;
        plan.endPalette.resize(256);
        const auto& indices = Indexed12().indices;
        for (std::uint32_t y = 0; y < kHeight12; ++y)
            plan.lines.emplace_back(indices.begin() + y * kWidth12, indices.begin() + (y + 1) * kWidth12);
        return Save("photo12mp.pcx", samples::PcxFile(plan));
    }();
    return file;
}

const BenchFile& Bmp12Megapixel()
{
    static const BenchFile file = [] {
        const RgbPicture& photo = Photo(kWidth12, kHeight12);
        samples::BmpPlan plan;
        plan.width = kWidth12;
        plan.height = kHeight12;
        plan.pixels.reserve(static_cast<std::size_t>(kWidth12) * kHeight12 * 3);
        for (std::uint32_t fileRow = 0; fileRow < kHeight12; ++fileRow)
            for (std::uint32_t x = 0; x < kWidth12; ++x) {
                const Colour c = photo.At(x, kHeight12 - 1 - fileRow);
                plan.pixels.insert(plan.pixels.end(), {c.blue, c.green, c.red});
            }
        return Save("photo12mp.bmp", samples::BmpFile(plan));
    }();
    return file;
}

namespace {

// The photo's red, green and blue samples, row by row, as a plan's rows hold them.
template <typename Sample>
std::vector<std::vector<Sample>> PhotoRows(const RgbPicture& photo)
{
    std::vector<std::vector<Sample>> rows;
    rows.reserve(photo.height);
    for (std::uint32_t y = 0; y < photo.height; ++y) {
        std::vector<Sample>& row = rows.emplace_back();
        row.reserve(photo.width * 3);
        for (std::uint32_t x = 0; x < photo.width; ++x) {
            const Colour c = photo.At(x, y);
            row.insert(row.end(), {c.red, c.green, c.blue});
        }
    }
    return rows;
}

samples::HeifPlan HeifOfPhoto(bool av1)
{
    const RgbPicture& photo = Photo(kWidth12, kHeight12);
    return {.width = photo.width, .height = photo.height, .av1 = av1, .quality = 80,
            .rows = PhotoRows<std::uint16_t>(photo)};
}

}  // namespace

const BenchFile& Heic12Megapixel()
{
    static const BenchFile file = Save("photo12mp.heic", samples::HeifFile(HeifOfPhoto(false)));
    return file;
}

const BenchFile& Avif12Megapixel()
{
    static const BenchFile file = Save("photo12mp.avif", samples::HeifFile(HeifOfPhoto(true)));
    return file;
}

const BenchFile& Jxl12Megapixel()
{
    static const BenchFile file = [] {
        const RgbPicture& photo = Photo(kWidth12, kHeight12);
        const samples::JxlPlan plan{.width = photo.width, .height = photo.height, .lossless = false,
                                    .rows = PhotoRows<std::uint16_t>(photo)};
        return Save("photo12mp.jxl", samples::JxlFile(plan));
    }();
    return file;
}

const BenchFile& Webp12Megapixel()
{
    static const BenchFile file = [] {
        const RgbPicture& photo = Photo(kWidth12, kHeight12);
        const samples::WebpPlan plan{.width = photo.width, .height = photo.height, .quality = 90,
                                     .rows = PhotoRows<std::uint8_t>(photo)};
        return Save("photo12mp.webp", samples::WebpFile(plan));
    }();
    return file;
}

const BenchFile& Ppm12Megapixel()
{
    static const BenchFile file = [] {
        const RgbPicture& photo = Photo(kWidth12, kHeight12);
        const std::string header = "P6\n" + std::to_string(photo.width) + " " + std::to_string(photo.height) + "\n255\n";
        File bytes(header.begin(), header.end());
        for (const Colour& c : photo.pixels)
            bytes.insert(bytes.end(), {c.red, c.green, c.blue});
        return Save("photo12mp.ppm", std::move(bytes));
    }();
    return file;
}

}  // namespace picdec::bench
