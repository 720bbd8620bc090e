#pragma once

#include "picdec/formats/Codec.h"

namespace picdec {

Status ReadTiffInfo(Bytes file, PictureInfo& info);
Status DecodeTiff(Bytes file, const PictureInfo& info, const DibView& target);

}  // namespace picdec
