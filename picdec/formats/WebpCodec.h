#pragma once

#include "picdec/formats/Codec.h"

namespace picdec {

// Still pictures, lossy or lossless, with or without alpha. Animations need
// libwebp's demuxer, which the library is built without: they fail as an
// unsupported variant.
Status ReadWebpInfo(Bytes file, PictureInfo& info);
Status DecodeWebp(Bytes file, const PictureInfo& info, const DibView& target);

}  // namespace picdec
