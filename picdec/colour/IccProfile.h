#pragma once
// An ICC profile as a picture file carries it: used whole, or not at all.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace picdec {

using IccProfile = std::vector<std::uint8_t>;

// Larger profiles are ignored before they are read; real ones, even a
// printer's, stay far below.
constexpr std::size_t kMaxIccProfileBytes = std::size_t{8} << 20;

// True for bytes that are one whole profile within the limit: its header's
// size names exactly these bytes, and it carries the profile signature.
bool IsWholeIccProfile(std::span<const std::uint8_t> bytes);

}  // namespace picdec
