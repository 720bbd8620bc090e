#pragma once

#include "picdec/Palette.h"

namespace picdec {

// CIE L*a*b* (L from 0 to 100) to sRGB, relative to the D65 white point, so
// that L 100 with a and b 0 is pure white.
Colour LabToSrgb(double lightness, double a, double b);

}  // namespace picdec
