#include "picdec/formats/PcxHeader.h"

#include <algorithm>
#include <array>

#include "picdec/ByteReader.h"

namespace picdec {

namespace {

constexpr std::size_t kEndPaletteSize = 769;
constexpr std::size_t kHeaderPaletteAt = 16;

// The EGA colours a version 3 file (which stores no palette) stands for.
Palette DefaultEgaPalette()
{
    static constexpr std::array<std::uint32_t, 16> rgb{0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA,
                                                       0xAA5500, 0xAAAAAA, 0x555555, 0x5555FF, 0x55FF55, 0x55FFFF,
                                                       0xFF5555, 0xFF55FF, 0xFFFF55, 0xFFFFFF};
    Palette palette;
    for (std::uint32_t value : rgb)
        palette.push_back(Colour{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
                                 static_cast<std::uint8_t>(value)});
    return palette;
}

Palette ReadPalette(const ByteReader& in, std::size_t at, std::size_t count)
{
    Palette palette(count);
    for (std::size_t i = 0; i < count; ++i)
        palette[i] = Colour{in.U8(at + i * 3), in.U8(at + i * 3 + 1), in.U8(at + i * 3 + 2)};
    return palette;
}

bool HasEndPalette(const ByteReader& in)
{
    return in.Size() >= kPcxHeaderSize + kEndPaletteSize && in.U8(in.Size() - kEndPaletteSize) == 0x0C;
}

Palette ChoosePalette(const ByteReader& in, PcxHeader& header)
{
    const int bits = header.IndexBits();
    if (bits == 1)
        return GreyPalette(1);
    if (bits <= 4) {
        Palette palette = header.version == 3 ? DefaultEgaPalette() : ReadPalette(in, kHeaderPaletteAt, 16);
        palette.resize(std::size_t{1} << bits);
        return palette;
    }
    header.hasEndPalette = HasEndPalette(in);
    if (header.hasEndPalette)
        return ReadPalette(in, in.Size() - kEndPaletteSize + 1, 256);
    return GreyPalette(8);
}

}  // namespace

Status ParsePcxHeader(Bytes file, PcxHeader& header)
{
    const ByteReader in(file);
    if (!in.Has(0, kPcxHeaderSize))
        return file.empty() || file[0] != 0x0A ? Status::WrongFormat : Status::TruncatedData;
    if (in.U8(0) != 0x0A)
        return Status::WrongFormat;
    header.version = in.U8(1);
    header.compressed = in.U8(2) == 1;
    header.bitsPerPlane = in.U8(3);
    header.planes = in.U8(65);
    header.bytesPerLine = in.U16(66);
    const int xMin = in.U16(4);
    const int yMin = in.U16(6);
    const int xMax = in.U16(8);
    const int yMax = in.U16(10);
    if (xMax < xMin || yMax < yMin)
        return Status::CorruptData;
    header.width = static_cast<std::uint32_t>(xMax - xMin + 1);
    header.height = static_cast<std::uint32_t>(yMax - yMin + 1);
    const bool known = header.TrueColour() || (header.planes >= 1 && header.IndexBits() <= 8 &&
                                               (header.bitsPerPlane == 1 || header.bitsPerPlane == 2 ||
                                                header.bitsPerPlane == 4 || header.bitsPerPlane == 8));
    if (!known || header.planes > 4)
        return Status::UnsupportedVariant;
    const std::size_t minimumLine = (static_cast<std::size_t>(header.width) * header.bitsPerPlane + 7) / 8;
    if (header.bytesPerLine < minimumLine)
        return Status::CorruptData;
    if (!header.TrueColour())
        header.palette = ChoosePalette(in, header);
    return Status::Ok;
}

}  // namespace picdec
