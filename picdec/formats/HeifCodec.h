#pragma once

#include "picdec/formats/Codec.h"

namespace picdec {

// HEIF pictures, HEVC-coded (HEIC, as phones write them) or AV1-coded
// (AVIF), through libheif: the primary picture, its tiles joined, turned and
// mirrored as the file says, 8 to 16 bits per sample reduced to 8, alpha
// composed on white. Where libheif cannot be loaded, both fail with
// DecoderMissing.
Status ReadHeifInfo(Bytes file, PictureInfo& info);
Status DecodeHeif(Bytes file, const PictureInfo& info, const DibView& target);

}  // namespace picdec
