#pragma once
// File names and numbers as the binding reads them.
#include <optional>
#include <string>
#include <string_view>

// The part after the last "\" or ":", at most 64 characters.
std::string StripFilePath(std::string_view fileName);
// StripFilePath, cut before its first ".".
std::string FileNameStem(std::string_view fileName);

// A resource name that reads as a whole number: decimal digits after
// optional blanks and a sign, or hexadecimal digits after "$".
std::optional<long> ResourceNumber(std::string_view name);

// The colour depth readers are asked for on a display of this many bits per
// pixel: 4, 8 or 24.
int ColorDepthForBitsPerPixel(int bitsPerPixel);
