#pragma once
// The registry utilities. Keys are opened or created with full access and
// closed again on every path; failures give false or an empty text.
#include <windows.h>

#include <string>

// Creates the key path where missing; an empty value name is the default
// value. Stores REG_SZ with the terminating zero.
bool WriteRegString(HKEY root, const std::string& keyPath, const std::string& valueName, const std::string& text);
// The text up to its first zero byte when the value is REG_SZ; else empty.
std::string ReadRegString(HKEY root, const std::string& keyPath, const std::string& valueName);
bool RegKeyExists(HKEY root, const std::string& keyPath);
bool DeleteRegValue(HKEY root, const std::string& keyPath, const std::string& valueName);
// Deletes the key with all its subkeys and values. An empty path is refused:
// it would empty the root.
bool DeleteRegKey(HKEY root, const std::string& keyPath);
