#include "picdec/formats/BmpHeader.h"

#include <algorithm>
#include <cstdint>

#include "picdec/ByteReader.h"

namespace picdec {

namespace {

constexpr std::size_t kFileHeaderSize = 14;

Status ParseCoreHeader(const ByteReader& in, BmpHeader& header)
{
    header.width = in.U16(kFileHeaderSize + 4);
    header.height = in.U16(kFileHeaderSize + 6);
    header.bitsPerPixel = in.U16(kFileHeaderSize + 10);
    return Status::Ok;
}

Status ParseInfoHeader(const ByteReader& in, BmpHeader& header)
{
    const std::int32_t width = in.S32(kFileHeaderSize + 4);
    const std::int32_t height = in.S32(kFileHeaderSize + 8);
    if (width < 0 || height == INT32_MIN)
        return Status::CorruptData;
    header.width = static_cast<std::uint32_t>(width);
    header.topDown = height < 0;
    header.height = static_cast<std::uint32_t>(height < 0 ? -height : height);
    header.bitsPerPixel = in.U16(kFileHeaderSize + 14);
    header.compression = static_cast<BmpCompression>(in.U32(kFileHeaderSize + 16));
    return Status::Ok;
}

void SetDefaultMasks(BmpHeader& header)
{
    if (header.bitsPerPixel == 16)
        header.masks = {0x7C00, 0x03E0, 0x001F, 0};
    else
        header.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0};
}

// Masks sit inside V2 and later headers, or follow a 40-byte header.
void ReadMasks(const ByteReader& in, BmpHeader& header)
{
    const std::size_t at = kFileHeaderSize + 40;
    const bool bitFields = header.compression == BmpCompression::BitFields ||
                           header.compression == BmpCompression::AlphaBitFields;
    if (!bitFields) {
        SetDefaultMasks(header);
        return;
    }
    const int count = header.headerSize >= 56 || header.compression == BmpCompression::AlphaBitFields ? 4 : 3;
    for (int i = 0; i < count; ++i)
        header.masks[static_cast<std::size_t>(i)] = in.U32(at + static_cast<std::size_t>(i) * 4);
}

std::size_t ColourTableStart(const BmpHeader& header)
{
    std::size_t start = kFileHeaderSize + header.headerSize;
    if (header.headerSize == 40 && header.compression == BmpCompression::BitFields)
        start += 12;
    if (header.headerSize == 40 && header.compression == BmpCompression::AlphaBitFields)
        start += 16;
    return start;
}

Status ReadColourTable(const ByteReader& in, BmpHeader& header)
{
    if (header.bitsPerPixel > 8)
        return Status::Ok;
    const bool core = header.headerSize == 12;
    const std::size_t entrySize = core ? 3 : 4;
    std::size_t count = std::size_t{1} << header.bitsPerPixel;
    const std::uint32_t used = core ? 0 : in.U32(kFileHeaderSize + 32);
    if (used != 0 && used < count)
        count = used;
    const std::size_t start = ColourTableStart(header);
    // Some writers store fewer entries than the depth implies and say so
    // only through where the pixels begin.
    if (header.pixelOffset > start && (header.pixelOffset - start) / entrySize < count)
        count = std::max<std::size_t>((header.pixelOffset - start) / entrySize, 1);
    if (!in.Has(start, count * entrySize))
        return Status::TruncatedData;
    header.fileColourCount = count;
    header.palette.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = start + i * entrySize;
        header.palette[i] = Colour{in.U8(at + 2), in.U8(at + 1), in.U8(at)};
    }
    return Status::Ok;
}

bool KnownDepth(int bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

Status CheckCombination(const BmpHeader& header)
{
    if (!KnownDepth(header.bitsPerPixel))
        return Status::UnsupportedVariant;
    switch (header.compression) {
    case BmpCompression::None: return Status::Ok;
    case BmpCompression::Rle8:
        return header.bitsPerPixel == 8 && !header.topDown ? Status::Ok : Status::CorruptData;
    case BmpCompression::Rle4:
        return header.bitsPerPixel == 4 && !header.topDown ? Status::Ok : Status::CorruptData;
    case BmpCompression::BitFields:
    case BmpCompression::AlphaBitFields:
        return header.bitsPerPixel == 16 || header.bitsPerPixel == 32 ? Status::Ok : Status::CorruptData;
    default: return Status::UnsupportedVariant;
    }
}

}  // namespace

Status ParseBmpHeader(Bytes file, BmpHeader& header)
{
    const ByteReader in(file);
    if (!in.Has(0, kFileHeaderSize + 4) || in.U8(0) != 'B' || in.U8(1) != 'M')
        return file.size() >= 2 && file[0] == 'B' && file[1] == 'M' ? Status::TruncatedData : Status::WrongFormat;
    header.pixelOffset = in.U32(10);
    header.headerSize = in.U32(kFileHeaderSize);
    const bool core = header.headerSize == 12;
    if (!core && (header.headerSize < 16 || header.headerSize > 1024))
        return Status::CorruptData;
    if (!in.Has(kFileHeaderSize, core ? 12 : std::min<std::size_t>(header.headerSize, 56)))
        return Status::TruncatedData;
    const Status parsed = core ? ParseCoreHeader(in, header) : ParseInfoHeader(in, header);
    if (parsed != Status::Ok)
        return parsed;
    ReadMasks(in, header);
    if (const Status combination = CheckCombination(header); combination != Status::Ok)
        return combination;
    return ReadColourTable(in, header);
}

}  // namespace picdec
