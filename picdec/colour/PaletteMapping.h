#pragma once

#include "picdec/BgrRows.h"
#include "picdec/Palette.h"

namespace picdec {

// Writes the index of each 24-bit source pixel into a target of 1, 4 or 8
// bits per pixel of the same size: the nearest palette entry, or with
// dither, Floyd-Steinberg error diffusion in serpentine order.
void MapToPalette(BgrRows& source, const Palette& palette, bool dither, const DibView& target);

}  // namespace picdec
