#pragma once
// The first frame of an animated WebP, as a still picture shows it: placed
// at its offset on the animation's canvas, which is transparent (so white)
// around it, alpha composed on white.

#include "picdec/formats/Codec.h"
#include "picdec/formats/WebpSession.h"

namespace picdec {

// target has the canvas's shape; rows are counted on the canvas.
WebpResult DecodeFirstFrame(Bytes file, const DibView& target);

}  // namespace picdec
