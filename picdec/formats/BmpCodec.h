#pragma once

#include "picdec/formats/Codec.h"

namespace picdec {

Status ReadBmpInfo(Bytes file, PictureInfo& info);
Status DecodeBmp(Bytes file, const PictureInfo& info, const DibView& target);

}  // namespace picdec
