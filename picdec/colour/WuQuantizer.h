#pragma once
// Xiaolin Wu's colour quantiser: splits the colour cube into boxes along the
// cut that most reduces the summed squared error, until there are enough
// boxes; each box's mean colour becomes a palette entry.

#include "picdec/Palette.h"
#include "picdec/colour/ColourHistogram.h"

namespace picdec {

// At most maxColours entries (fewer when the picture has fewer cells).
Palette WuPalette(const ColourHistogram& histogram, int maxColours);

}  // namespace picdec
