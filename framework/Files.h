#pragma once
#include <string>

// True when the path names an existing file (not a directory).
bool FileExists(const std::string& path);
