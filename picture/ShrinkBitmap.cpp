#include "picture/ShrinkBitmap.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "framework/Handles.h"
#include "picture/AreaAverage.h"

namespace {

// The rows converted at once for a bitmap that cannot be read in place.
constexpr std::size_t kBandBytes = std::size_t(1) << 20;

// Blue, green, red (and a fourth byte) as the averager takes them.
std::optional<int> InPlaceChannels(const DIBSECTION& section)
{
    const BITMAPINFOHEADER& header = section.dsBmih;
    if (!section.dsBm.bmBits)
        return std::nullopt;
    if (header.biBitCount == 24 && header.biCompression == BI_RGB)
        return 3;
    const bool standardMasks = header.biCompression == BI_BITFIELDS && section.dsBitfields[0] == 0xFF0000 &&
                               section.dsBitfields[1] == 0xFF00 && section.dsBitfields[2] == 0xFF;
    if (header.biBitCount == 32 && (header.biCompression == BI_RGB || standardMasks))
        return 4;
    return std::nullopt;
}

void ReadInPlace(const DIBSECTION& section, AreaAverager& averager)
{
    ::GdiFlush();  // drawing on the bitmap that is still pending
    const BITMAP& bitmap = section.dsBm;
    const auto* bits = static_cast<const std::uint8_t*>(bitmap.bmBits);
    const bool bottomUp = section.dsBmih.biHeight > 0;
    for (int y = 0; y < bitmap.bmHeight; ++y) {
        const int stored = bottomUp ? bitmap.bmHeight - 1 - y : y;
        averager.AddRow(bits + std::ptrdiff_t(stored) * bitmap.bmWidthBytes);
    }
}

// Palette, 16-bit and device-dependent bitmaps: 32-bit rows from GetDIBits,
// one band at a time. The bands are bottom-up, as scan lines are counted.
bool ReadInBands(HBITMAP source, int width, int height, AreaAverager& averager)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const std::size_t stride = std::size_t(width) * 4;
    const int bandRows = int(std::clamp<std::size_t>(kBandBytes / stride, 1, std::size_t(height)));
    std::vector<std::uint8_t> band(stride * std::size_t(bandRows));
    WindowDC screen(nullptr);
    for (int top = 0; top < height; top += bandRows) {
        const int rows = std::min(bandRows, height - top);
        if (::GetDIBits(screen.get(), source, UINT(height - top - rows), UINT(rows), band.data(), &info,
                        DIB_RGB_COLORS) != rows)
            return false;
        for (int row = rows - 1; row >= 0; --row)
            averager.AddRow(band.data() + std::size_t(row) * stride);
    }
    return true;
}

HBITMAP TargetBitmap(const AreaAverager& averager, int width, int height, int channels)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = WORD(channels * 8);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP target = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!target)
        return nullptr;
    const std::size_t stride = (averager.TargetStride() + 3) / 4 * 4;
    for (int y = 0; y < height; ++y)
        std::memcpy(static_cast<std::uint8_t*>(bits) + std::size_t(y) * stride, averager.TargetRow(y),
                    averager.TargetStride());
    return target;
}

} // namespace

HBITMAP ShrinkBitmap(HBITMAP bitmap, int width, int height)
{
    DIBSECTION section{};
    const int size = bitmap ? ::GetObjectA(bitmap, sizeof section, &section) : 0;
    const int sourceWidth = section.dsBm.bmWidth, sourceHeight = section.dsBm.bmHeight;
    if (size == 0 || !AreaAverager::Fits(sourceWidth, sourceHeight, width, height))
        return nullptr;
    const std::optional<int> inPlace = size == sizeof section ? InPlaceChannels(section) : std::nullopt;
    const int channels = inPlace.value_or(4);
    AreaAverager averager(sourceWidth, sourceHeight, width, height, channels);
    if (inPlace)
        ReadInPlace(section, averager);
    else if (!ReadInBands(bitmap, sourceWidth, sourceHeight, averager))
        return nullptr;
    return TargetBitmap(averager, width, height, channels);
}
