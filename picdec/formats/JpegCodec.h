#pragma once

#include "picdec/formats/Codec.h"

namespace picdec {

Status ReadJpegInfo(Bytes file, PictureInfo& info);
Status DecodeJpeg(Bytes file, const PictureInfo& info, const DibView& target);

}  // namespace picdec
