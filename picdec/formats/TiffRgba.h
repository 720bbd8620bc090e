#pragma once

#include "picdec/formats/TiffFile.h"
#include "picdec/formats/TiffLayout.h"

namespace picdec {

// Decodes the first page through libtiff's RGBA conversion, in bands, and
// composes it on white into a 24-bit target.
Status DecodeTiffViaRgba(TiffFile& file, const TiffLayout& layout, const DibView& target);

}  // namespace picdec
