#pragma once
// The file list's own keyboard search: a typed character moves the
// selection to the next entry whose name begins with it.
#include <vector>

#include "controls/FileEntries.h"

// The first entry after `current` whose name begins with `typed`, going
// round past the end (so `current` itself comes last); -1 when none does.
// Letters a to z match in either case; a directory's name is its text
// without the brackets. `current` -1 starts the search at the first entry.
int NextEntryStartingWith(const std::vector<FileEntry>& entries, int current, char typed);
