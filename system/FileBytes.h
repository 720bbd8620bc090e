#pragma once
// Whole files as bytes. Every file is closed on every path.
#include <optional>
#include <string>

std::optional<std::string> ReadFileBytes(const std::string& path);
// Creates or empties the file, writes the bytes and flushes them to disk.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
