#pragma once
// The registry utilities. Keys are opened with read rights only for
// reading, so that a key a standard user may only read (HKCR\.bmp) is still
// seen, and with full access for writing; every key is closed again on
// every path. Failures give false or an empty text.
//
// view is 0, or KEY_WOW64_64KEY for a key that the 64-bit shell reads
// whatever the program's own bitness (a 32-bit program's keys under
// HKLM\SOFTWARE would otherwise land in its own view). 32-bit Windows
// ignores it.
#include <windows.h>

#include <optional>
#include <string>

// Creates the key path where missing; an empty value name is the default
// value. Stores REG_SZ with the terminating zero.
bool WriteRegString(HKEY root, const std::string& keyPath, const std::string& valueName, const std::string& text,
                    REGSAM view = 0);
// The text up to its first zero byte when the value is REG_SZ; else empty.
std::string ReadRegString(HKEY root, const std::string& keyPath, const std::string& valueName, REGSAM view = 0);
// True when the key can be opened for reading.
bool RegKeyExists(HKEY root, const std::string& keyPath, REGSAM view = 0);
bool DeleteRegValue(HKEY root, const std::string& keyPath, const std::string& valueName, REGSAM view = 0);
// Deletes the key with all its subkeys and values. An empty path is refused:
// it would empty the root.
bool DeleteRegKey(HKEY root, const std::string& keyPath, REGSAM view = 0);
// Deletes the key only when it holds no value and no subkey.
bool DeleteRegKeyIfEmpty(HKEY root, const std::string& keyPath, REGSAM view = 0);

// A value as stored: its type and its bytes.
struct RegValue {
    DWORD type = REG_NONE;
    std::string bytes;
    bool operator==(const RegValue&) const = default;
};
RegValue RegStringValue(const std::string& text);  // REG_SZ with the terminating zero
RegValue RegDwordValue(DWORD number);
std::optional<RegValue> ReadRegValue(HKEY root, const std::string& keyPath, const std::string& valueName,
                                     REGSAM view = 0);
bool WriteRegValue(HKEY root, const std::string& keyPath, const std::string& valueName, const RegValue& value,
                   REGSAM view = 0);
