#pragma once
// The bytes of a message file.
#include <cstddef>
#include <optional>
#include <string>

// Only this many bytes of a message file are read: a message is a few lines,
// and a huge file must not fill the memory before anything shows.
inline constexpr std::size_t kMaxMessageFileBytes = 65527;

// At most maxBytes from the start of the file, read while others may read it
// but not write it. Nothing when no such file exists (a directory is none).
// A file that exists but cannot be opened or read raises EFOpenError
// "Kann Datei <fileName> nicht öffnen".
std::optional<std::string> ReadMessageFileBytes(const std::string& fileName, std::size_t maxBytes);
