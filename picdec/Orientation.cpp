#include "picdec/Orientation.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace picdec {

namespace {

// Bytes holding a row's pixels, without the padding to four bytes.
std::size_t PixelBytes(const DibView& view)
{
    return (static_cast<std::size_t>(view.width) * static_cast<std::size_t>(view.bitsPerPixel) + 7) / 8;
}

// Each byte with its pixels in the opposite order: bits reversed for 1 bit
// per pixel, nibbles exchanged for 4.
template <int Bits>
constexpr std::array<std::uint8_t, 256> ReversedPixels()
{
    std::array<std::uint8_t, 256> table{};
    constexpr int mask = (1 << Bits) - 1;
    for (int byte = 0; byte < 256; ++byte) {
        int reversed = 0;
        for (int shift = 0; shift < 8; shift += Bits)
            reversed |= ((byte >> shift) & mask) << (8 - Bits - shift);
        table[static_cast<std::size_t>(byte)] = static_cast<std::uint8_t>(reversed);
    }
    return table;
}

constexpr std::array<std::uint8_t, 256> kReversedBits = ReversedPixels<1>();
constexpr std::array<std::uint8_t, 256> kReversedNibbles = ReversedPixels<4>();

// Moves a packed row's bits towards its start by shift (1 to 7) bits.
void ShiftRowLeft(std::uint8_t* row, std::size_t bytes, int shift)
{
    for (std::size_t i = 0; i + 1 < bytes; ++i)
        row[i] = static_cast<std::uint8_t>(row[i] << shift | row[i + 1] >> (8 - shift));
    row[bytes - 1] = static_cast<std::uint8_t>(row[bytes - 1] << shift);
}

void MirrorRow(std::uint8_t* row, const DibView& view)
{
    const std::size_t bytes = PixelBytes(view);
    if (view.bitsPerPixel == 24) {
        for (std::size_t left = 0, right = bytes - 3; left < right; left += 3, right -= 3)
            std::swap_ranges(row + left, row + left + 3, row + right);
        return;
    }
    std::reverse(row, row + bytes);
    if (view.bitsPerPixel == 8)
        return;
    const auto& table = view.bitsPerPixel == 1 ? kReversedBits : kReversedNibbles;
    std::transform(row, row + bytes, row, [&table](std::uint8_t byte) { return table[byte]; });
    // The unused bits of the last byte are now in front of the first pixel.
    if (const int unused = static_cast<int>(bytes * 8 - std::size_t{view.width} * static_cast<std::size_t>(view.bitsPerPixel)))
        ShiftRowLeft(row, bytes, unused);
}

void MirrorInPlace(const DibView& view)
{
    for (std::uint32_t y = 0; y < view.height; ++y)
        MirrorRow(view.Row(y), view);
}

void FlipInPlace(const DibView& view)
{
    const std::size_t bytes = PixelBytes(view);
    for (std::uint32_t top = 0, bottom = view.height - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(view.Row(top), view.Row(top) + bytes, view.Row(bottom));
}

// An 8 x 8 block of 1-bit pixels, one byte per row with the first pixel in
// the top bit and the first row in the top byte, mirrored on its diagonal.
std::uint64_t TransposeBits(std::uint64_t x)
{
    std::uint64_t t = (x ^ (x >> 7)) & 0x00AA00AA00AA00AAull;
    x ^= t ^ (t << 7);
    t = (x ^ (x >> 14)) & 0x0000CCCC0000CCCCull;
    x ^= t ^ (t << 14);
    t = (x ^ (x >> 28)) & 0x00000000F0F0F0F0ull;
    return x ^ t ^ (t << 28);
}

void TransposeOneBit(const DibView& stored, const DibView& upright)
{
    const std::size_t columnBytes = PixelBytes(stored);
    for (std::uint32_t sy = 0; sy < stored.height; sy += 8) {
        const std::uint32_t rows = std::min<std::uint32_t>(8, stored.height - sy);
        for (std::size_t column = 0; column < columnBytes; ++column) {
            std::uint64_t block = 0;
            for (std::uint32_t r = 0; r < rows; ++r)
                block |= std::uint64_t{stored.Row(sy + r)[column]} << (56 - 8 * r);
            block = TransposeBits(block);
            const std::uint32_t firstY = static_cast<std::uint32_t>(column * 8);
            const std::uint32_t count = std::min<std::uint32_t>(8, upright.height - firstY);
            for (std::uint32_t i = 0; i < count; ++i)
                upright.Row(firstY + i)[sy / 8] = static_cast<std::uint8_t>(block >> (56 - 8 * i));
        }
    }
}

void TransposeNibbles(const DibView& stored, const DibView& upright)
{
    for (std::uint32_t uy = 0; uy < upright.height; ++uy) {
        std::uint8_t* row = upright.Row(uy);
        const int shift = uy % 2 == 0 ? 4 : 0;
        const auto nibble = [&](std::uint32_t ux) { return (stored.Row(ux)[uy / 2] >> shift) & 0x0F; };
        for (std::uint32_t ux = 0; ux < upright.width; ux += 2)
            row[ux / 2] = static_cast<std::uint8_t>(nibble(ux) << 4 | (ux + 1 < upright.width ? nibble(ux + 1) : 0));
    }
}

// Whole bytes per pixel: 8 or 24 bits.
void TransposeBytes(const DibView& stored, const DibView& upright)
{
    const std::size_t size = static_cast<std::size_t>(stored.bitsPerPixel / 8);
    for (std::uint32_t uy = 0; uy < upright.height; ++uy) {
        std::uint8_t* row = upright.Row(uy);
        const std::size_t sourceOffset = uy * size;
        for (std::uint32_t ux = 0; ux < upright.width; ++ux)
            std::memcpy(row + ux * size, stored.Row(ux) + sourceOffset, size);
    }
}

// upright(x, y) = stored(y, x).
void Transpose(const DibView& stored, const DibView& upright)
{
    switch (stored.bitsPerPixel) {
    case 1: TransposeOneBit(stored, upright); return;
    case 4: TransposeNibbles(stored, upright); return;
    default: TransposeBytes(stored, upright); return;
    }
}

}  // namespace

// Orientations 5 to 8 are the transposed picture (5) mirrored (6), turned
// half round (7) or flipped (8), as 2 to 4 are of the picture itself.
Status DecodeUpright(int orientation, const DibView& target, const std::function<Status(const DibView&)>& decode)
{
    if (orientation <= kUpright || orientation > 8 || target.width == 0 || target.height == 0)
        return decode(target);
    Status status = Status::Ok;
    if (SwapsAxes(orientation)) {
        DibView stored = target;
        stored.width = target.height;
        stored.height = target.width;
        std::vector<std::uint8_t> bits(SizeForAllocation(DibStride(stored.width, stored.bitsPerPixel) * stored.height));
        stored.bits = bits.data();
        status = decode(stored);
        Transpose(stored, target);
    } else {
        status = decode(target);
    }
    const int turn = SwapsAxes(orientation) ? orientation - 4 : orientation;
    if (turn == 2 || turn == 3)
        MirrorInPlace(target);
    if (turn == 3 || turn == 4)
        FlipInPlace(target);
    return status;
}

}  // namespace picdec
