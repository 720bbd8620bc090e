#pragma once
// The name field's search over the file list: the typed text walks the
// sorted entries character by character and narrows a run of matches.
#include <cstddef>
#include <functional>
#include <string_view>

// The text of entry i as shown.
using EntryTextAt = std::function<std::string_view(std::size_t)>;

// The index to select for the typed text: the first entry of the matching
// run, the first greater entry when a character matches nothing, or one
// past the scanned range (count or more means no selection). Letters compare
// in upper case; a position beyond an entry's end reads as 0.
int TypeAheadIndex(std::string_view typed, std::size_t count, const EntryTextAt& entryAt);
