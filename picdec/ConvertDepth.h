#pragma once

#include "picdec/BitmapSink.h"
#include "picdec/DibView.h"
#include "picdec/Palette.h"
#include "picdec/Status.h"

namespace picdec {

// Makes a bitmap of outputBits (1, 4, 8 or 24) from a decoded picture: true
// colour, the same indices repacked when the palette fits, or colours
// reduced to at most 2^outputBits.
Status ConvertDepth(const DibView& picture, const Palette& palette, int outputBits, bool dither, BitmapSink& sink);

}  // namespace picdec
