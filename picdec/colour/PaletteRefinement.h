#pragma once

#include <vector>

#include "picdec/Palette.h"
#include "picdec/colour/ColourHistogram.h"

namespace picdec {

// Lloyd (k-means) passes over the histogram's occupied cells: each entry
// moves to the weighted mean of the cells nearest to it.
void RefinePalette(const std::vector<WeightedColour>& cells, Palette& palette, int passes);

}  // namespace picdec
