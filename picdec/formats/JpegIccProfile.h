#pragma once

#include "picdec/colour/IccProfile.h"
#include "picdec/formats/Codec.h"

namespace picdec {

// The ICC profile of a JPEG file, put together from its APP2 "ICC_PROFILE"
// segments in their numbered order; empty when it has none, or when a piece
// is missing or repeated, the pieces disagree on their count, or the whole is
// no profile (IsWholeIccProfile).
IccProfile JpegIccProfile(Bytes file);

}  // namespace picdec
