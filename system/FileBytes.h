#pragma once
// Whole files as bytes. Every file is closed on every path.
#include <optional>
#include <string>

// Nothing when the file cannot be read or is larger than limit bytes.
std::optional<std::string> ReadFileBytes(const std::string& path, long long limit = 0x7FFFFFFF);
// Creates or empties the file, writes the bytes and flushes them to disk.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
