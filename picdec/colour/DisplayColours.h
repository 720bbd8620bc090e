#pragma once
// The colour stage between decoding and colour reduction: a picture's
// pixels, in the colours its file describes, become those of the display.

#include <cstdint>
#include <span>

#include "picdec/DibView.h"
#include "picdec/Palette.h"
#include "picdec/colour/ColourSource.h"

namespace picdec {

// Converts a 24-bit bitmap in place, its rows shared among the processor's
// cores. display is the display's ICC profile, empty for sRGB (as is one
// Little CMS cannot read or that is not of RGB colours). A picture whose file
// says nothing about its colours, or whose profile cannot be read or is not
// of RGB colours or grey levels, is left as it is.
void ConvertToDisplayColours(const DibView& bitmap, const ColourSource& source,
                             std::span<const std::uint8_t> display);

// The same for the palette of a picture of indices or grey levels.
void ConvertPaletteToDisplayColours(Palette& palette, const ColourSource& source, std::span<const std::uint8_t> display);

}  // namespace picdec
