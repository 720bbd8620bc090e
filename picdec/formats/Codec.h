#pragma once
// The two steps every format offers: read the header, then decode into a
// zeroed bitmap the caller allocated with the shape the header gave (width,
// height, nativeBitsPerPixel). Rows a failed decode does not reach are left
// at zero (index 0 or black).

#include <cstdint>
#include <span>

#include "picdec/DibView.h"
#include "picdec/PictureInfo.h"
#include "picdec/Status.h"

namespace picdec {

using Bytes = std::span<const std::uint8_t>;

struct Codec {
    PictureFormat format;
    Status (*readInfo)(Bytes file, PictureInfo& info);
    Status (*decode)(Bytes file, const PictureInfo& info, const DibView& target);
};

// Nullptr for PictureFormat::Unknown.
const Codec* CodecFor(PictureFormat format);

}  // namespace picdec
