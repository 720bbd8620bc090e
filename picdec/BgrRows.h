#pragma once

#include <cstdint>
#include <vector>

#include "picdec/CheckedSize.h"
#include "picdec/DibView.h"
#include "picdec/Palette.h"
#include "picdec/PixelRows.h"

namespace picdec {

// A bitmap's rows as 24-bit blue-green-red, expanding paletted rows one at
// a time so a paletted picture never needs a true-colour copy.
class BgrRows {
public:
    BgrRows(const DibView& picture, const Palette& palette)
        : picture_(picture), table_(MakeBgrTable(palette))
    {
        if (picture.bitsPerPixel != 24)
            buffer_.resize(SizeForAllocation(CheckedSize(picture.width) * 3));
    }

    std::uint32_t Width() const { return picture_.width; }
    std::uint32_t Height() const { return picture_.height; }

    // Valid until the next call.
    const std::uint8_t* Row(std::uint32_t y)
    {
        if (picture_.bitsPerPixel == 24)
            return picture_.Row(y);
        ExpandToBgr(picture_.Row(y), picture_.width, picture_.bitsPerPixel, table_, buffer_.data());
        return buffer_.data();
    }

private:
    DibView picture_;
    BgrTable table_;
    std::vector<std::uint8_t> buffer_;
};

}  // namespace picdec
