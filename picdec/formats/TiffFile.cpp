#include "picdec/formats/TiffFile.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "picdec/CheckedSize.h"

namespace picdec {

namespace {

TiffMemory& MemoryOf(thandle_t handle) { return *static_cast<TiffMemory*>(handle); }

tmsize_t ReadProc(thandle_t handle, void* out, tmsize_t size)
{
    TiffMemory& memory = MemoryOf(handle);
    if (size < 0)
        return 0;
    const toff_t available = memory.at < memory.file.size() ? memory.file.size() - memory.at : 0;
    const auto count = std::min<toff_t>(static_cast<toff_t>(size), available);
    if (count < static_cast<toff_t>(size))
        memory.readPastEnd = true;
    if (count == 0)
        return 0;  // a seek past the end: no pointer into the file is formed
    std::memcpy(out, memory.file.data() + static_cast<std::size_t>(memory.at), static_cast<std::size_t>(count));
    memory.at += count;
    return static_cast<tmsize_t>(count);
}

tmsize_t WriteProc(thandle_t, void*, tmsize_t) { return -1; }

toff_t SeekProc(thandle_t handle, toff_t offset, int whence)
{
    TiffMemory& memory = MemoryOf(handle);
    toff_t base = 0;
    if (whence == SEEK_CUR)
        base = memory.at;
    else if (whence == SEEK_END)
        base = memory.file.size();
    memory.at = base + offset;
    return memory.at;
}

int CloseProc(thandle_t) { return 0; }

toff_t SizeProc(thandle_t handle) { return MemoryOf(handle).file.size(); }

// Not mapped ("m" below): every read goes through ReadProc, which notices
// reads past the end of a cut file.
int MapProc(thandle_t, void**, toff_t*) { return 0; }

void UnmapProc(thandle_t, void*, toff_t) {}

int OnError(TIFF*, void* user, const char*, const char* format, va_list)
{
    TiffMemory& memory = *static_cast<TiffMemory*>(user);
    memory.failed = true;
    if (format != nullptr && std::strstr(format, "Integer overflow") != nullptr)
        memory.tooLarge = true;
    return 1;
}

int OnWarning(TIFF*, void*, const char*, const char*, va_list) { return 1; }

// Single allocations past this are refused by libtiff itself.
constexpr tmsize_t kMaxSingleAllocation = tmsize_t{768} * 1024 * 1024;

}  // namespace

TiffFile::TiffFile(Bytes file)
{
    memory_.file = file;
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    if (options == nullptr)
        return;
    TIFFOpenOptionsSetErrorHandlerExtR(options, OnError, &memory_);
    TIFFOpenOptionsSetWarningHandlerExtR(options, OnWarning, &memory_);
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, kMaxSingleAllocation);
    tiff_ = TIFFClientOpenExt("memory", "rm", &memory_, ReadProc, WriteProc, SeekProc, CloseProc, SizeProc, MapProc,
                              UnmapProc, options);
    TIFFOpenOptionsFree(options);
    if (tiff_ != nullptr)
        memory_.failed = false;
}

TiffFile::~TiffFile()
{
    if (tiff_ != nullptr)
        TIFFClose(tiff_);
}

Status TiffFile::Failure() const
{
    if (memory_.tooLarge)
        return Status::OutOfMemory;
    return memory_.readPastEnd || memory_.file.size() < 8 ? Status::TruncatedData : Status::CorruptData;
}

std::uint16_t TiffFile::Tag16(ttag_t tag, std::uint16_t fallback) const
{
    std::uint16_t value = fallback;
    return TIFFGetFieldDefaulted(tiff_, tag, &value) == 1 ? value : fallback;
}

IccProfile TiffFile::Profile() const
{
    std::uint32_t size = 0;
    const std::uint8_t* bytes = nullptr;
    if (tiff_ == nullptr || TIFFGetField(tiff_, TIFFTAG_ICCPROFILE, &size, &bytes) != 1 || bytes == nullptr)
        return {};
    const std::span<const std::uint8_t> profile(bytes, size);
    return IsWholeIccProfile(profile) ? IccProfile(profile.begin(), profile.end()) : IccProfile{};
}

std::uint32_t TiffFile::Tag32(ttag_t tag, std::uint32_t fallback) const
{
    std::uint32_t value = fallback;
    return TIFFGetFieldDefaulted(tiff_, tag, &value) == 1 ? value : fallback;
}

int TiffFile::PlaneCount() const
{
    if (Tag16(TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG) != PLANARCONFIG_SEPARATE)
        return 1;
    return std::max<int>(1, Tag16(TIFFTAG_SAMPLESPERPIXEL, 1));
}

Status TiffFile::ForEachRow(const RowConsumer& consume)
{
    return TIFFIsTiled(tiff_) ? ForEachTileRow(consume) : ForEachStripRow(consume);
}

// A strip or tile whose bytes lie past the end of the file means truncation.
Status TiffFile::ReadFailure(std::uint32_t index) const
{
    int error = 0;
    const std::uint64_t offset = TIFFGetStrileOffsetWithErr(tiff_, index, &error);
    const std::uint64_t count = TIFFGetStrileByteCountWithErr(tiff_, index, &error);
    if (error == 0 && (offset > memory_.file.size() || count > memory_.file.size() - offset))
        return Status::TruncatedData;
    return Failure();
}

Status TiffFile::ForEachStripRow(const RowConsumer& consume)
{
    const std::uint32_t height = Tag32(TIFFTAG_IMAGELENGTH, 0);
    const std::uint32_t rowsPerStrip = std::clamp<std::uint32_t>(Tag32(TIFFTAG_ROWSPERSTRIP, height), 1, height);
    const CheckedSize scanline = TIFFScanlineSize64(tiff_);
    if (scanline.Value() == 0)
        return Status::CorruptData;
    const int planes = PlaneCount();
    const CheckedSize allStrips = scanline * rowsPerStrip * static_cast<std::uint64_t>(planes);
    if (!allStrips.AtMost(static_cast<std::uint64_t>(kMaxSingleAllocation)))
        return Status::OutOfMemory;
    std::vector<std::uint8_t> strips(SizeForAllocation(allStrips));
    const auto rowBytes = static_cast<std::size_t>(scanline.Value());
    const std::size_t stripBytes = rowBytes * rowsPerStrip;
    std::vector<const std::uint8_t*> planeRows(static_cast<std::size_t>(planes));
    for (std::uint32_t y = 0; y < height; y += rowsPerStrip) {
        const std::uint32_t rows = std::min(rowsPerStrip, height - y);
        for (int p = 0; p < planes; ++p) {
            const std::uint32_t index = TIFFComputeStrip(tiff_, y, static_cast<std::uint16_t>(p));
            std::uint8_t* strip = strips.data() + static_cast<std::size_t>(p) * stripBytes;
            if (TIFFReadEncodedStrip(tiff_, index, strip, static_cast<tmsize_t>(rowBytes * rows)) < 0)
                return ReadFailure(index);
        }
        for (std::uint32_t r = 0; r < rows; ++r) {
            for (int p = 0; p < planes; ++p)
                planeRows[static_cast<std::size_t>(p)] = strips.data() + static_cast<std::size_t>(p) * stripBytes + r * rowBytes;
            consume(y + r, planeRows.data());
        }
    }
    return Status::Ok;
}

// Only the rows inside the picture are decoded and kept, so a tile taller
// than the picture costs no more memory than one that fits.
Status TiffFile::ForEachTileRow(const RowConsumer& consume)
{
    const std::uint32_t height = Tag32(TIFFTAG_IMAGELENGTH, 0);
    const std::uint32_t tileWidth = Tag32(TIFFTAG_TILEWIDTH, 0);
    const std::uint32_t tileHeight = Tag32(TIFFTAG_TILELENGTH, 0);
    const CheckedSize scanline = TIFFScanlineSize64(tiff_);
    const CheckedSize tileRow = TIFFTileRowSize64(tiff_);
    if (tileWidth == 0 || tileHeight == 0 || scanline.Value() == 0 || tileRow.Value() == 0 ||
        !(tileRow * tileHeight).AtMost(TIFFTileSize64(tiff_)))
        return Status::CorruptData;
    const std::uint32_t bandRows = std::min(tileHeight, height);
    const int planes = PlaneCount();
    // The tile's width comes from the file, not from the picture: a tile row
    // may be far longer than a picture row. It keeps libtiff's own bound.
    const CheckedSize tileBytes = tileRow * bandRows;
    const CheckedSize bandBytes = scanline * bandRows;
    const auto limit = static_cast<std::uint64_t>(kMaxSingleAllocation);
    if (!tileBytes.AtMost(limit) || !(bandBytes * static_cast<std::uint64_t>(planes)).AtMost(limit))
        return Status::OutOfMemory;
    std::vector<std::uint8_t> tile(SizeForAllocation(tileBytes));
    std::vector<std::uint8_t> bands(SizeForAllocation(bandBytes * static_cast<std::uint64_t>(planes)));
    const auto rowBytes = static_cast<std::size_t>(scanline.Value());
    const auto planeBytes = static_cast<std::size_t>(bandBytes.Value());
    std::vector<const std::uint8_t*> planeRows(static_cast<std::size_t>(planes));
    for (std::uint32_t y = 0; y < height; y += tileHeight) {
        const std::uint32_t rows = std::min(tileHeight, height - y);
        for (int p = 0; p < planes; ++p) {
            std::uint8_t* band = bands.data() + static_cast<std::size_t>(p) * planeBytes;
            if (const Status status = ReadTileBand(y, rows, p, tile, band); status != Status::Ok)
                return status;
        }
        for (std::uint32_t r = 0; r < rows; ++r) {
            for (int p = 0; p < planes; ++p)
                planeRows[static_cast<std::size_t>(p)] = bands.data() + static_cast<std::size_t>(p) * planeBytes + r * rowBytes;
            consume(y + r, planeRows.data());
        }
    }
    return Status::Ok;
}

// The rows y to y + rows of one plane, from the tiles that cover them.
Status TiffFile::ReadTileBand(std::uint32_t y, std::uint32_t rows, int plane, std::vector<std::uint8_t>& tile,
                              std::uint8_t* band)
{
    const std::uint32_t width = Tag32(TIFFTAG_IMAGEWIDTH, 0);
    const std::uint32_t tileWidth = Tag32(TIFFTAG_TILEWIDTH, 0);
    const auto rowBytes = static_cast<std::size_t>(TIFFScanlineSize64(tiff_));
    const CheckedSize tileRow = TIFFTileRowSize64(tiff_);
    const auto tileRowBytes = static_cast<std::size_t>(tileRow.Value());
    for (std::uint32_t x = 0; x < width; x += tileWidth) {
        const std::uint32_t index = TIFFComputeTile(tiff_, x, y, 0, static_cast<std::uint16_t>(plane));
        if (TIFFReadEncodedTile(tiff_, index, tile.data(), static_cast<tmsize_t>(tileRowBytes * rows)) < 0)
            return ReadFailure(index);
        // Tile widths are multiples of 16 pixels, so tiles start on a byte.
        const CheckedSize column = tileRow * (x / tileWidth);
        if (!column.AtMost(rowBytes - 1))
            break;
        const auto start = static_cast<std::size_t>(column.Value());
        const std::size_t bytes = std::min(tileRowBytes, rowBytes - start);
        for (std::uint32_t r = 0; r < rows; ++r)
            std::memcpy(band + r * rowBytes + start, tile.data() + r * tileRowBytes, bytes);
    }
    return Status::Ok;
}

}  // namespace picdec
