#pragma once
// What a picture's file says about its colours; a file that says nothing is
// sRGB.

#include <optional>

#include "picdec/colour/IccProfile.h"

namespace picdec {

// x and y of the white point and of the red, green and blue primaries.
struct Chromaticities {
    double white[2];
    double primaries[3][2];
};

constexpr Chromaticities kSrgbChromaticities{{0.3127, 0.3290}, {{0.64, 0.33}, {0.30, 0.60}, {0.15, 0.06}}};

struct ColourSource {
    IccProfile icc;  // the embedded profile, whole (IsWholeIccProfile), or empty
    // Where no profile is embedded, PNG's gAMA and cHRM: the exponent that
    // encoded the linear samples (0 when not given, which is the sRGB curve),
    // and the chromaticities (none given: sRGB's).
    double gamma = 0;
    std::optional<Chromaticities> chromaticities;

    bool SaysNothing() const { return icc.empty() && gamma == 0 && !chromaticities; }
};

}  // namespace picdec
