#include "picdec/formats/BmpRle.h"

#include <algorithm>
#include <cstddef>

namespace picdec {

namespace {

class RleCanvas {
public:
    explicit RleCanvas(const DibView& target) : target_(target), stride_(target.Stride()) {}

    void Put(unsigned value)
    {
        if (x_ < target_.width && y_ < target_.height) {
            std::uint8_t* row = target_.bits + static_cast<std::size_t>(y_) * stride_;
            if (target_.bitsPerPixel == 8) {
                row[x_] = static_cast<std::uint8_t>(value);
            } else {
                const unsigned shift = (x_ & 1) ? 0 : 4;
                row[x_ / 2] = static_cast<std::uint8_t>((row[x_ / 2] & ~(0xF << shift)) | ((value & 0xF) << shift));
            }
        }
        ++x_;
    }

    void NextLine()
    {
        x_ = 0;
        ++y_;
    }

    void Move(unsigned dx, unsigned dy)
    {
        x_ += dx;
        y_ += dy;
    }

    bool Done() const { return y_ >= target_.height; }

private:
    const DibView& target_;
    std::size_t stride_;
    std::uint32_t x_ = 0;
    std::uint32_t y_ = 0;
};

// The value of the i-th pixel of a run: RLE4 alternates two nibbles.
unsigned RunPixel(unsigned byte, unsigned i, bool fourBit)
{
    if (!fourBit)
        return byte;
    return (i & 1) ? byte & 0xF : byte >> 4;
}

}  // namespace

Status DecodeBmpRle(Bytes data, const DibView& target)
{
    const bool fourBit = target.bitsPerPixel == 4;
    RleCanvas canvas(target);
    std::size_t at = 0;
    while (!canvas.Done()) {
        if (data.size() - at < 2)
            return Status::TruncatedData;
        const unsigned count = data[at];
        const unsigned value = data[at + 1];
        at += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i)
                canvas.Put(RunPixel(value, i, fourBit));
            continue;
        }
        if (value == 0) {
            canvas.NextLine();
        } else if (value == 1) {
            return Status::Ok;
        } else if (value == 2) {
            if (data.size() - at < 2)
                return Status::TruncatedData;
            canvas.Move(data[at], data[at + 1]);
            at += 2;
        } else {
            const std::size_t bytes = fourBit ? (value + 1) / 2 : value;
            const std::size_t padded = (bytes + 1) & ~std::size_t{1};
            if (data.size() - at < bytes)
                return Status::TruncatedData;
            for (unsigned i = 0; i < value; ++i)
                canvas.Put(RunPixel(data[at + (fourBit ? i / 2 : i)], fourBit ? i : 0, fourBit));
            at += std::min(padded, data.size() - at);
        }
    }
    return Status::Ok;
}

}  // namespace picdec
