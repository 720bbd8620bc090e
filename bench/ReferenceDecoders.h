#pragma once
// The plain library reads our decoders are compared with: each decodes the
// whole picture into one buffer and does nothing else.

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace picdec::bench {

// libjpeg-turbo, to RGB.
std::vector<std::uint8_t> PlainJpegDecode(std::span<const std::uint8_t> file);
// libpng, samples as stored.
std::vector<std::uint8_t> PlainPngRead(std::span<const std::uint8_t> file);
// giflib, the first frame's indices.
std::vector<std::uint8_t> PlainGifRead(std::span<const std::uint8_t> file);
// libwebp's simple decoder, to RGB in memory it allocates itself.
std::unique_ptr<std::uint8_t, void (*)(void*)> PlainWebpDecode(std::span<const std::uint8_t> file);
// libheif, the primary picture to interleaved RGB; the result's first byte.
std::uint8_t PlainHeifDecode(std::span<const std::uint8_t> file);
// libjxl, the first frame to interleaved 8-bit RGB.
std::vector<std::uint8_t> PlainJxlDecode(std::span<const std::uint8_t> file);

}  // namespace picdec::bench
