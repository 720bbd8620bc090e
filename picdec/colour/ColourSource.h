#pragma once
// What a picture's file says about its colours; a file that says nothing is
// sRGB.

#include "picdec/colour/IccProfile.h"

namespace picdec {

struct ColourSource {
    IccProfile icc;  // the embedded profile, whole (IsWholeIccProfile), or empty

    bool SaysNothing() const { return icc.empty(); }
};

}  // namespace picdec
