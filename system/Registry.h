#pragma once
// The registry utilities. Keys are opened with read rights only for
// reading, so that a key a standard user may only read (HKCR\.bmp) is still
// seen, and with full access for writing; every key is closed again on
// every path. Failures give false or an empty text.
#include <windows.h>

#include <string>

// Creates the key path where missing; an empty value name is the default
// value. Stores REG_SZ with the terminating zero.
bool WriteRegString(HKEY root, const std::string& keyPath, const std::string& valueName, const std::string& text);
// The text up to its first zero byte when the value is REG_SZ; else empty.
std::string ReadRegString(HKEY root, const std::string& keyPath, const std::string& valueName);
// True when the key can be opened for reading.
bool RegKeyExists(HKEY root, const std::string& keyPath);
bool DeleteRegValue(HKEY root, const std::string& keyPath, const std::string& valueName);
// Deletes the key with all its subkeys and values. An empty path is refused:
// it would empty the root.
bool DeleteRegKey(HKEY root, const std::string& keyPath);
