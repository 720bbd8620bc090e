#pragma once

#include "picdec/formats/Codec.h"

namespace picdec {

Status ReadGifInfo(Bytes file, PictureInfo& info);
Status DecodeGif(Bytes file, const PictureInfo& info, const DibView& target);

}  // namespace picdec
