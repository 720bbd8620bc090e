#pragma once
// Pictures stored turned or mirrored, as cameras write them, and shown
// upright. Orientations are numbered as TIFF and Exif number them: 1 the
// first row is the top and the first column the left, 2 mirrored, 3 turned
// half round, 4 flipped, 5 to 8 with rows and columns exchanged (6 needs a
// quarter turn clockwise, 8 one anticlockwise).

#include <cstdint>
#include <functional>

#include "picdec/DibView.h"
#include "picdec/Status.h"

namespace picdec {

constexpr int kUpright = 1;

// Rows and columns exchange places (orientations 5 to 8).
constexpr bool SwapsAxes(int orientation) { return orientation >= 5 && orientation <= 8; }

// Runs decode on a bitmap of the stored shape and writes it upright into
// target, whose shape is the upright one. Upright pictures are decoded
// straight into the target.
Status DecodeUpright(int orientation, const DibView& target, const std::function<Status(const DibView&)>& decode);

}  // namespace picdec
