#pragma once
// One libwebp decode of a file held in memory into memory the caller owns,
// with the caller's row stride. It goes through libwebp's incremental
// decoder, fed the whole file at once, only to learn how many rows were
// finished when the data ends early or is damaged.

#include <cstddef>
#include <cstdint>

#include <webp/decode.h>

#include "picdec/formats/Codec.h"

namespace picdec {

struct WebpOutput {
    WEBP_CSP_MODE mode = MODE_BGR;
    std::uint8_t* pixels = nullptr;  // the first row in memory
    std::size_t size = 0;
    int stride = 0;
    bool bottomUp = false;  // the top row last in memory, as a DIB keeps it
};

struct WebpResult {
    Status status = Status::Ok;
    std::uint32_t rowsDone = 0;  // counted from the top
};

WebpResult RunWebpDecode(Bytes file, const WebpOutput& output);

// The decode core's status for one of libwebp's.
Status StatusOfWebp(VP8StatusCode code);

}  // namespace picdec
