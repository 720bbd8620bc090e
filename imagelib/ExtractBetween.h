#pragma once
// The value between two control codes of a scrolling-message text.
#include <string>
#include <string_view>

// Finds the first startCode and, searching the whole text again, the first
// endCode. False, with an empty value, when either is missing. True with an
// empty value when the end code begins at or before the end of the start
// code; otherwise true with every character in between.
bool ExtractBetween(std::string_view text, std::string_view startCode, std::string_view endCode, std::string& value);
