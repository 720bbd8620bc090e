#pragma once

#include <cstdint>

#include "picdec/DibView.h"
#include "picdec/Palette.h"

namespace picdec {

// Where a decoded picture goes. The DLL creates a DIB section (and a palette
// from the colours) and returns its bits; the caller owns that memory.
class BitmapSink {
public:
    virtual ~BitmapSink() = default;

    // A zeroed bitmap of this shape; palette is empty for 24 bits per pixel.
    // Returns a view with null bits when no bitmap can be made.
    virtual DibView CreateBitmap(std::uint32_t width, std::uint32_t height, int bitsPerPixel,
                                 const Palette& palette) = 0;
};

}  // namespace picdec
