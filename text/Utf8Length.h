#pragma once
// Lengths of UTF-8 text as the window system counts them: in UTF-16 units,
// so a name's limit of 255 holds 255 CJK characters, not 85.
#include <cstddef>
#include <string>
#include <string_view>

// The text's first characters up to maxUnits UTF-16 units; a character is
// never cut. A byte that starts no valid sequence counts as one character.
std::string CutToUtf16Length(std::string_view text, std::size_t maxUnits);
