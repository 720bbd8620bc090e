#pragma once

#include "picdec/formats/Codec.h"

namespace picdec {

// Expands RLE8 (bitsPerPixel 8) or RLE4 (bitsPerPixel 4) data into a
// bottom-up target of the same depth that holds zeros. Pixels that a delta or
// an end of line skip keep index 0; runs past the right edge are clipped.
Status DecodeBmpRle(Bytes data, const DibView& target);

}  // namespace picdec
