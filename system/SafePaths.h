#pragma once
// Path checks for deleting files named in a log: only plain, absolute paths
// on a drive or a network share count, so no name can lead outside the
// directory it seems to be in.
#include <string_view>

// A name that Windows takes literally as one entry of a directory: no
// separators, wildcards, stream colons or control characters, not "." or
// "..", and no final dot or blank (Windows would strip those).
bool IsPlainName(std::string_view name);

// A root, "X:" or "\\SERVER\SHARE", followed by any number of "\NAME" with
// plain names.
bool IsAbsoluteDirectory(std::string_view path);

// "X:" or "\\SERVER\SHARE" alone.
bool IsRootDirectory(std::string_view path);

// True when path is directory, "\" and a plain name (letters in any case).
bool LiesDirectlyIn(std::string_view directory, std::string_view path);
