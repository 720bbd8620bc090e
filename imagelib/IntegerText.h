#pragma once
// The run-time's conversion of text to a whole number.
#include <cstdint>
#include <string_view>

// Leading blanks, an optional "+" or "-", then decimal digits within the
// 32-bit range, or "$" and up to 32 bits of hexadecimal digits (taken as the
// bit pattern, so "$FFFFFFFF" is -1). Anything else raises EConvertError
// "'<text>' ist kein gültiger Integerwert".
std::int32_t StrToInt(std::string_view text);
