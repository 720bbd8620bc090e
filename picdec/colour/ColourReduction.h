#pragma once

#include <optional>

#include "picdec/BgrRows.h"
#include "picdec/Palette.h"

namespace picdec {

// The picture's own colours when it has at most maxColours of them.
std::optional<Palette> ExactColours(BgrRows& rows, int maxColours);

// A palette of at most maxColours chosen for the picture: its own colours if
// they fit, otherwise Wu's boxes refined by k-means passes.
Palette ReducedPalette(BgrRows& rows, int maxColours);

}  // namespace picdec
