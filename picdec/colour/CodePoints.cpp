#include "picdec/colour/CodePoints.h"

#include <optional>

namespace picdec {

namespace {

constexpr const double* kD65 = kSrgbChromaticities.white;

std::optional<Chromaticities> PrimariesOf(int code)
{
    switch (code) {
    case 1:                                      // BT.709, sRGB
    case 2: return kSrgbChromaticities;           // unspecified: taken as sRGB
    case 5: return Chromaticities{{kD65[0], kD65[1]}, {{0.64, 0.33}, {0.29, 0.60}, {0.15, 0.06}}};  // BT.470 B/G
    case 6:                                                                                       // BT.601
    case 7: return Chromaticities{{kD65[0], kD65[1]}, {{0.630, 0.340}, {0.310, 0.595}, {0.155, 0.070}}};
    case 9: return Chromaticities{{kD65[0], kD65[1]}, {{0.708, 0.292}, {0.170, 0.797}, {0.131, 0.046}}};  // BT.2020
    case 11: return Chromaticities{{0.314, 0.351}, {{0.680, 0.320}, {0.265, 0.690}, {0.150, 0.060}}};     // DCI-P3
    case 12: return Chromaticities{{kD65[0], kD65[1]}, {{0.680, 0.320}, {0.265, 0.690}, {0.150, 0.060}}};  // Display P3
    default: return std::nullopt;
    }
}

// The exponent that encoded linear samples, 0 for the sRGB curve (which
// BT.709's is shown as, as browsers do); nothing for curves left alone.
std::optional<double> EncodingOf(int code)
{
    switch (code) {
    case 1:
    case 2:
    case 6:
    case 13:
    case 14:
    case 15: return 0.0;
    case 4: return 1 / 2.2;
    case 5: return 1 / 2.8;
    case 8: return 1.0;
    default: return std::nullopt;  // PQ, HLG, logarithmic ones
    }
}

}  // namespace

ColourSource ColoursOfCodePoints(int primaries, int transfer)
{
    const std::optional<Chromaticities> chromaticities = PrimariesOf(primaries);
    const std::optional<double> encoding = EncodingOf(transfer);
    ColourSource colours;
    if (!chromaticities || !encoding)
        return colours;
    colours.gamma = *encoding;
    if (primaries != 1 && primaries != 2)
        colours.chromaticities = chromaticities;
    return colours;
}

}  // namespace picdec
