#pragma once
// The segments of a JPEG file before its first scan, walked bounds-checked.

#include <cstddef>
#include <cstdint>

#include "picdec/formats/Codec.h"

namespace picdec {

constexpr std::uint8_t kJpegApp1 = 0xE1;
constexpr std::uint8_t kJpegApp2 = 0xE2;
constexpr std::uint8_t kJpegApp14 = 0xEE;

// Calls visit(marker, bytes) for each segment, its bytes being those after
// its length, until visit returns false, the first scan begins or a segment
// runs past the end of the file. The metadata segments come first in
// practice, so this reads only a few bytes of a photo.
template <typename Visit>
void VisitJpegSegments(Bytes file, Visit visit)
{
    constexpr std::uint8_t kStartOfScan = 0xDA;
    std::size_t at = 2;
    while (at + 4 <= file.size() && file[at] == 0xFF) {
        const std::uint8_t marker = file[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (marker == kStartOfScan)
            return;
        const std::size_t length = static_cast<std::size_t>(file[at + 2] << 8 | file[at + 3]);
        if (length < 2 || length > file.size() - at - 2)
            return;
        if (!visit(marker, file.subspan(at + 4, length - 2)))
            return;
        at += 2 + length;
    }
}

}  // namespace picdec
