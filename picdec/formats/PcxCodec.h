#pragma once

#include "picdec/formats/Codec.h"

namespace picdec {

Status ReadPcxInfo(Bytes file, PictureInfo& info);
Status DecodePcx(Bytes file, const PictureInfo& info, const DibView& target);

}  // namespace picdec
