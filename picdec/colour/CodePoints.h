#pragma once
// Colours given by the code points of ITU-T H.273, as HEIF and AVIF files
// give them in an nclx colour property: primaries and transfer.

#include "picdec/colour/ColourSource.h"

namespace picdec {

// The colours those code points describe; sRGB (a source that says nothing)
// for BT.709 primaries with the sRGB or BT.709 curve, for unspecified ones,
// and for what a display of sRGB cannot show as meant (PQ and HLG).
ColourSource ColoursOfCodePoints(int primaries, int transfer);

}  // namespace picdec
