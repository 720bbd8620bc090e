#include <algorithm>
#include <cstring>

#include <tiffio.h>

#include "tests/native/picdec/writers/EncodedPictures.h"

namespace picdec::samples {

namespace {

struct Stream {
    File bytes;
    toff_t at = 0;
};

Stream& StreamOf(thandle_t handle) { return *static_cast<Stream*>(handle); }

tmsize_t Read(thandle_t handle, void* out, tmsize_t size)
{
    Stream& s = StreamOf(handle);
    const auto count = std::min<toff_t>(static_cast<toff_t>(size), s.at < s.bytes.size() ? s.bytes.size() - s.at : 0);
    std::memcpy(out, s.bytes.data() + s.at, count);
    s.at += count;
    return static_cast<tmsize_t>(count);
}

tmsize_t Write(thandle_t handle, void* data, tmsize_t size)
{
    Stream& s = StreamOf(handle);
    const auto count = static_cast<std::size_t>(size);
    if (s.bytes.size() < s.at + count)
        s.bytes.resize(s.at + count);
    std::memcpy(s.bytes.data() + s.at, data, count);
    s.at += count;
    return size;
}

toff_t Seek(thandle_t handle, toff_t offset, int whence)
{
    Stream& s = StreamOf(handle);
    s.at = (whence == SEEK_SET ? 0 : whence == SEEK_CUR ? s.at : s.bytes.size()) + offset;
    return s.at;
}

int Close(thandle_t) { return 0; }
toff_t Size(thandle_t handle) { return StreamOf(handle).bytes.size(); }
int Map(thandle_t, void**, toff_t*) { return 0; }
void Unmap(thandle_t, void*, toff_t) {}

void SetFields(TIFF* tiff, const TiffSpec& spec)
{
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, spec.width);
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, spec.height);
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, spec.bitsPerSample);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, spec.samplesPerPixel);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, spec.photometric);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, spec.compression);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    if (spec.tileSize != 0) {
        TIFFSetField(tiff, TIFFTAG_TILEWIDTH, spec.tileSize);
        TIFFSetField(tiff, TIFFTAG_TILELENGTH, spec.tileSize);
    } else {
        TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, spec.rowsPerStrip);
    }
    if (spec.alpha) {
        const std::uint16_t kind = EXTRASAMPLE_UNASSALPHA;
        TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, 1, &kind);
    }
    if (!spec.colourMap.empty()) {
        const std::size_t n = spec.colourMap.size() / 3;
        TIFFSetField(tiff, TIFFTAG_COLORMAP, spec.colourMap.data(), spec.colourMap.data() + n,
                     spec.colourMap.data() + 2 * n);
    }
    if (spec.compression == COMPRESSION_JPEG && spec.photometric == PHOTOMETRIC_YCBCR)
        TIFFSetField(tiff, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
}

void WriteTiles(TIFF* tiff, const TiffSpec& spec)
{
    const auto rowBytes = spec.rows[0].size();
    const auto tileRow = static_cast<std::size_t>(TIFFTileRowSize(tiff));
    std::vector<std::uint8_t> tile(static_cast<std::size_t>(TIFFTileSize(tiff)));
    for (std::uint32_t y = 0; y < spec.height; y += spec.tileSize) {
        for (std::uint32_t x = 0; x < spec.width; x += spec.tileSize) {
            std::fill(tile.begin(), tile.end(), std::uint8_t{0});
            const std::size_t column = (x / spec.tileSize) * tileRow;
            for (std::uint32_t r = 0; r < spec.tileSize && y + r < spec.height; ++r)
                std::memcpy(tile.data() + r * tileRow, spec.rows[y + r].data() + column,
                            std::min(tileRow, rowBytes - column));
            TIFFWriteTile(tiff, tile.data(), x, y, 0, 0);
        }
    }
}

void WritePage(TIFF* tiff, const TiffSpec& spec)
{
    SetFields(tiff, spec);
    if (spec.tileSize != 0) {
        WriteTiles(tiff, spec);
    } else {
        for (std::uint32_t y = 0; y < spec.height; ++y)
            TIFFWriteScanline(tiff, const_cast<std::uint8_t*>(spec.rows[y].data()), y, 0);
    }
    TIFFWriteDirectory(tiff);
}

}  // namespace

File TiffFile(const TiffSpec& spec)
{
    Stream stream;
    TIFF* tiff = TIFFClientOpen("test", "w", &stream, Read, Write, Seek, Close, Size, Map, Unmap);
    for (int page = 0; page < spec.pages; ++page)
        WritePage(tiff, spec);
    TIFFClose(tiff);
    return stream.bytes;
}

}  // namespace picdec::samples
