#include "framework/WmfRecords.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableSize = 22;
constexpr std::size_t kHeaderSize = 18;
constexpr std::uint16_t kHeaderWords = 9;
constexpr std::uint16_t kEscape = 0x0626;
constexpr std::uint16_t kEndOfFile = 0x0000;
constexpr int kDefaultUnitsPerInch = 1440;

std::uint16_t Read16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
std::uint32_t Read32(const std::uint8_t* p) { return Read16(p) | static_cast<std::uint32_t>(Read16(p + 2)) << 16; }
int ReadSigned16(const std::uint8_t* p) { return static_cast<std::int16_t>(Read16(p)); }

void Write16(std::uint8_t* p, std::uint32_t value)
{
    p[0] = static_cast<std::uint8_t>(value);
    p[1] = static_cast<std::uint8_t>(value >> 8);
}

void Write32(std::uint8_t* p, std::uint32_t value)
{
    Write16(p, value);
    Write16(p + 2, value >> 16);
}

PlaceableHeader ReadPlaceable(const std::uint8_t* p)
{
    PlaceableHeader header{ReadSigned16(p + 6), ReadSigned16(p + 8), ReadSigned16(p + 10), ReadSigned16(p + 12),
                           Read16(p + 14)};
    if (header.unitsPerInch == 0)
        header.unitsPerInch = kDefaultUnitsPerInch;
    return header;
}

bool IsStandardHeader(const std::uint8_t* p)
{
    const std::uint16_t type = Read16(p);
    return (type == 1 || type == 2) && Read16(p + 2) == kHeaderWords;
}

} // namespace

std::optional<WindowsMetafileBits> ReadWindowsMetafile(const std::uint8_t* data, std::size_t size)
{
    if (!data || size > 0xFFFFFFFEu)
        return std::nullopt;
    WindowsMetafileBits result;
    if (size >= kPlaceableSize && Read32(data) == kPlaceableKey) {
        result.placeable = ReadPlaceable(data);
        data += kPlaceableSize;
        size -= kPlaceableSize;
    }
    if (size < kHeaderSize || !IsStandardHeader(data))
        return std::nullopt;
    result.bits.assign(data, data + kHeaderSize);
    std::uint32_t largestRecord = 0;
    std::size_t at = kHeaderSize;
    bool ended = false;
    while (!ended) {
        if (size - at < 6)
            return std::nullopt;
        const std::uint32_t words = Read32(data + at);
        if (words < 3 || words > (size - at) / 2)
            return std::nullopt;
        const std::size_t bytes = static_cast<std::size_t>(words) * 2;
        const std::uint16_t function = Read16(data + at + 4);
        ended = function == kEndOfFile;
        if (function != kEscape) {
            result.bits.insert(result.bits.end(), data + at, data + at + bytes);
            largestRecord = std::max(largestRecord, words);
        }
        at += bytes;
    }
    Write32(result.bits.data() + 6, static_cast<std::uint32_t>(result.bits.size() / 2));
    Write32(result.bits.data() + 12, largestRecord);
    return result;
}
