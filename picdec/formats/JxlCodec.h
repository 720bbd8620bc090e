#pragma once

#include "picdec/formats/Codec.h"

namespace picdec {

// JPEG XL pictures, lossy or lossless, through libjxl: turned and mirrored
// as the file says, grey shown as colour, deeper samples reduced to 8 bits,
// alpha composed on white; of an animation its first frame.
Status ReadJxlInfo(Bytes file, PictureInfo& info);
Status DecodeJxl(Bytes file, const PictureInfo& info, const DibView& target);

}  // namespace picdec
