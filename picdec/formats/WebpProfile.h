#pragma once

#include "picdec/colour/IccProfile.h"
#include "picdec/formats/Codec.h"

namespace picdec {

// The ICC profile of a WebP file's ICCP chunk; empty without a whole one.
IccProfile WebpProfile(Bytes file);

}  // namespace picdec
