#pragma once
// The CMYK profile for CMYK pictures that carry none: offset printing on
// coated paper (FOGRA39), made by tools/make-cmyk-profile.sh and built in.

#include <cstdint>
#include <span>

namespace picdec {

std::span<const std::uint8_t> DefaultCmykProfile();

}  // namespace picdec
