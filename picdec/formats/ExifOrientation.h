#pragma once

#include "picdec/formats/Codec.h"

namespace picdec {

// The orientation (1 to 8, see Orientation.h) that a JPEG file's Exif block
// gives, or 1 when it has none or a damaged one.
int JpegExifOrientation(Bytes file);

}  // namespace picdec
