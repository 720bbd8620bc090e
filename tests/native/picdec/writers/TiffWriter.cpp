#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <tiffio.h>

#include "tests/native/picdec/writers/EncodedPictures.h"

namespace picdec::samples {

namespace {

std::uint32_t TileHeight(const TiffPlan& plan) { return plan.tileHeight != 0 ? plan.tileHeight : plan.tileSize; }

void SetFields(TIFF* tiff, const TiffPlan& plan)
{
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, plan.width);
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, plan.height);
    for (const auto& [tag, value] : {std::pair{TIFFTAG_BITSPERSAMPLE, plan.bitsPerSample},
                                     {TIFFTAG_SAMPLESPERPIXEL, plan.samplesPerPixel},
                                     {TIFFTAG_PHOTOMETRIC, plan.photometric}, {TIFFTAG_COMPRESSION, plan.compression},
                                     {TIFFTAG_PLANARCONFIG, plan.planar ? PLANARCONFIG_SEPARATE : PLANARCONFIG_CONTIG},
                                     {TIFFTAG_SAMPLEFORMAT, plan.sampleFormat}, {TIFFTAG_ORIENTATION, plan.orientation}})
        TIFFSetField(tiff, tag, value);
    if (plan.tileSize != 0) {
        TIFFSetField(tiff, TIFFTAG_TILEWIDTH, plan.tileSize);
        TIFFSetField(tiff, TIFFTAG_TILELENGTH, TileHeight(plan));
    } else {
        TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, plan.rowsPerStrip);
    }
    if (plan.predictor != 1)
        TIFFSetField(tiff, TIFFTAG_PREDICTOR, plan.predictor);
    if (!plan.iccProfile.empty())
        TIFFSetField(tiff, TIFFTAG_ICCPROFILE, static_cast<std::uint32_t>(plan.iccProfile.size()),
                     plan.iccProfile.data());
    if (plan.alpha != 0 || plan.unspecifiedExtraSample) {
        const auto kind = static_cast<std::uint16_t>(plan.alpha);
        TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, 1, &kind);
    }
    if (!plan.palette.empty()) {
        std::vector<std::uint16_t> map;  // red entries, then green, then blue, 16 bits each
        for (std::uint8_t Colour::* channel : {&Colour::red, &Colour::green, &Colour::blue})
            for (const Colour& c : plan.palette)
                map.push_back(static_cast<std::uint16_t>(c.*channel * 257));
        const std::size_t n = plan.palette.size();
        TIFFSetField(tiff, TIFFTAG_COLORMAP, map.data(), map.data() + n, map.data() + 2 * n);
    }
    if (plan.compression == COMPRESSION_WEBP)
        TIFFSetField(tiff, TIFFTAG_WEBP_LOSSLESS, 1);
    if (plan.compression == COMPRESSION_JPEG && plan.photometric == PHOTOMETRIC_YCBCR)
        TIFFSetField(tiff, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
}

// The rows of one sample, for a planar page (whole bytes per sample only).
std::vector<std::vector<std::uint8_t>> PlaneRows(const TiffPlan& plan, int sample)
{
    const std::size_t bytes = static_cast<std::size_t>(plan.bitsPerSample / 8);
    const std::size_t pixel = bytes * static_cast<std::size_t>(plan.samplesPerPixel);
    std::vector<std::vector<std::uint8_t>> rows;
    for (const std::vector<std::uint8_t>& row : plan.rows) {
        std::vector<std::uint8_t>& plane = rows.emplace_back();
        for (std::size_t at = bytes * static_cast<std::size_t>(sample); at < row.size(); at += pixel)
            plane.insert(plane.end(), row.begin() + static_cast<std::ptrdiff_t>(at),
                         row.begin() + static_cast<std::ptrdiff_t>(at + bytes));
    }
    return rows;
}

void WriteTiles(TIFF* tiff, const TiffPlan& plan, const std::vector<std::vector<std::uint8_t>>& rows, int sample)
{
    const auto rowBytes = rows[0].size();
    const auto tileRow = static_cast<std::size_t>(TIFFTileRowSize(tiff));
    std::vector<std::uint8_t> tile(static_cast<std::size_t>(TIFFTileSize(tiff)));
    const std::uint32_t tileHeight = TileHeight(plan);
    for (std::uint32_t y = 0; y < plan.height; y += tileHeight) {
        for (std::uint32_t x = 0; x < plan.width; x += plan.tileSize) {
            std::fill(tile.begin(), tile.end(), std::uint8_t{0});
            const std::size_t column = (x / plan.tileSize) * tileRow;
            for (std::uint32_t r = 0; r < tileHeight && y + r < plan.height; ++r)
                std::memcpy(tile.data() + r * tileRow, rows[y + r].data() + column,
                            std::min(tileRow, rowBytes - column));
            TIFFWriteTile(tiff, tile.data(), x, y, 0, static_cast<std::uint16_t>(sample));
        }
    }
}

void WritePage(TIFF* tiff, const TiffPlan& plan)
{
    SetFields(tiff, plan);
    if (!plan.rawTile.empty()) {
        for (ttile_t tile = 0; tile < TIFFNumberOfTiles(tiff); ++tile)
            TIFFWriteRawTile(tiff, tile, const_cast<std::uint8_t*>(plan.rawTile.data()),
                             static_cast<tmsize_t>(plan.rawTile.size()));
    } else {
        const int planes = plan.planar ? plan.samplesPerPixel : 1;
        for (int sample = 0; sample < planes; ++sample) {
            const std::vector<std::vector<std::uint8_t>> rows = plan.planar ? PlaneRows(plan, sample) : plan.rows;
            if (plan.tileSize != 0) {
                WriteTiles(tiff, plan, rows, sample);
                continue;
            }
            for (std::uint32_t y = 0; y < plan.height; ++y)
                TIFFWriteScanline(tiff, const_cast<std::uint8_t*>(rows[y].data()), y, static_cast<std::uint16_t>(sample));
        }
    }
    TIFFWriteDirectory(tiff);
}

}  // namespace

// Written to a file of its own, for libtiff's writer seeks back and forth.
File TiffFile(const TiffPlan& plan)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("picdec-test-" + std::to_string(std::random_device{}()) + ".tif");
    TIFF* tiff = TIFFOpen(path.string().c_str(), plan.bigTiff ? "w8" : "w");
    for (int page = 0; page < plan.pages; ++page)
        WritePage(tiff, plan);
    TIFFClose(tiff);
    std::ifstream in(path, std::ios::binary);
    File file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    std::filesystem::remove(path);
    return file;
}

}  // namespace picdec::samples
