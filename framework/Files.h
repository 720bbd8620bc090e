#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// True when the path names an existing file (not a directory).
bool FileExists(const std::string& path);

// The size in bytes of a file opened for reading; -1 when it cannot be opened.
std::int64_t FileSizeOf(const std::string& path);

// The whole content of a file; nothing when it cannot be read or is larger
// than the given limit.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path,
                                                       std::int64_t limit = std::int64_t{1} << 30);
