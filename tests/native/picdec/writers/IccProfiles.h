#pragma once
// ICC profiles for the tests' pictures, written by Little CMS as a camera or
// a print workflow would embed them.

#include <cstdint>
#include <vector>

namespace picdec::samples {

using ProfileBytes = std::vector<std::uint8_t>;

// An RGB space of D65 white: x, y of its red, green and blue, and its curve
// as a gamma (0: the sRGB curve), optionally as a table of that many points.
ProfileBytes RgbSpaceProfile(const double (&primaries)[3][2], double gamma, int tabulatedPoints = 0);
ProfileBytes AdobeRgbProfile();
ProfileBytes SrgbProfile();
// Grey levels of D50 white by a pure power curve.
ProfileBytes GreyProfile(double gamma);

// CMYK inks that subtract plainly from sRGB white: red is
// (1 - cyan)(1 - black), green and blue the same with magenta and yellow;
// a table of that many steps an ink.
ProfileBytes PlainInksProfile(int steps = 17);

}  // namespace picdec::samples
