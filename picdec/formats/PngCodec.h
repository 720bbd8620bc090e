#pragma once

#include "picdec/formats/Codec.h"

namespace picdec {

Status ReadPngInfo(Bytes file, PictureInfo& info);
Status DecodePng(Bytes file, const PictureInfo& info, const DibView& target);

}  // namespace picdec
