#include "picdec/Orientation.h"

#include <vector>

namespace picdec {

namespace {

std::uint32_t PixelAt(const std::uint8_t* row, std::uint32_t x, int bits)
{
    switch (bits) {
    case 1: return (row[x / 8] >> (7 - x % 8)) & 1;
    case 4: return (row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F;
    case 8: return row[x];
    default: return row[x * 3] | row[x * 3 + 1] << 8 | static_cast<std::uint32_t>(row[x * 3 + 2]) << 16;
    }
}

void SetPixel(std::uint8_t* row, std::uint32_t x, int bits, std::uint32_t value)
{
    switch (bits) {
    case 1: {
        const auto mask = static_cast<std::uint8_t>(0x80 >> (x % 8));
        row[x / 8] = static_cast<std::uint8_t>(value != 0 ? row[x / 8] | mask : row[x / 8] & ~mask);
        return;
    }
    case 4: {
        const int shift = x % 2 == 0 ? 4 : 0;
        row[x / 2] = static_cast<std::uint8_t>((row[x / 2] & ~(0x0F << shift)) | (value & 0x0F) << shift);
        return;
    }
    case 8: row[x] = static_cast<std::uint8_t>(value); return;
    default:
        row[x * 3] = static_cast<std::uint8_t>(value);
        row[x * 3 + 1] = static_cast<std::uint8_t>(value >> 8);
        row[x * 3 + 2] = static_cast<std::uint8_t>(value >> 16);
    }
}

void Reorient(const DibView& stored, int orientation, const DibView& upright)
{
    const std::uint32_t lastX = stored.width - 1;
    const std::uint32_t lastY = stored.height - 1;
    for (std::uint32_t sy = 0; sy < stored.height; ++sy) {
        const std::uint8_t* row = stored.Row(sy);
        for (std::uint32_t sx = 0; sx < stored.width; ++sx) {
            std::uint32_t ux = sx;
            std::uint32_t uy = sy;
            switch (orientation) {
            case 2: ux = lastX - sx; break;
            case 3: ux = lastX - sx; uy = lastY - sy; break;
            case 4: uy = lastY - sy; break;
            case 5: ux = sy; uy = sx; break;
            case 6: ux = lastY - sy; uy = sx; break;
            case 7: ux = lastY - sy; uy = lastX - sx; break;
            case 8: ux = sy; uy = lastX - sx; break;
            default: break;
            }
            SetPixel(upright.Row(uy), ux, stored.bitsPerPixel, PixelAt(row, sx, stored.bitsPerPixel));
        }
    }
}

}  // namespace

Status DecodeUpright(int orientation, const DibView& target, const std::function<Status(const DibView&)>& decode)
{
    if (orientation <= kUpright || orientation > 8)
        return decode(target);
    DibView stored = target;
    if (SwapsAxes(orientation)) {
        stored.width = target.height;
        stored.height = target.width;
    }
    std::vector<std::uint8_t> bits(SizeForAllocation(DibStride(stored.width, stored.bitsPerPixel) * stored.height));
    stored.bits = bits.data();
    const Status status = decode(stored);
    Reorient(stored, orientation, target);
    return status;
}

}  // namespace picdec
