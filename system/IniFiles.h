#pragma once
// The INI utilities. File names are taken in upper case; a name without a
// directory lies in the Windows directory.
#include <string>

// Writes key=text through the platform's profile service; false on failure.
bool WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& text);
// Up to 1024 characters; empty when the key is missing.
std::string ReadIniString(const std::string& file, const std::string& section, const std::string& key);

// Removes the key from the section: through the profile service where the
// platform keeps the section in the registry, and from the lines of the
// file itself. The file is replaced in one step, so it always holds either
// the old or the new content; a missing or read-only file is left alone.
// True when either removed something.
bool DeleteIniKey(const std::string& file, const std::string& section, const std::string& key);
