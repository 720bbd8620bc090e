#pragma once

#include "picdec/formats/Codec.h"

namespace picdec {

// Still pictures, lossy or lossless, with or without alpha; of an animation
// its first frame.
Status ReadWebpInfo(Bytes file, PictureInfo& info);
Status DecodeWebp(Bytes file, const PictureInfo& info, const DibView& target);

}  // namespace picdec
