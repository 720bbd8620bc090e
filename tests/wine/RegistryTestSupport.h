#pragma once
// The registry as text, for tests that compare what was written.
#include <windows.h>

#include <string>
#include <vector>

// "KEY\NAME=DATA" for every value of the key and, after them, of its subkeys
// (sorted by name); the default value's NAME is empty, REG_NONE data is
// "(none)", a DWORD is its decimal number. Nothing when the key is absent.
std::vector<std::string> RegistryListing(HKEY root, const std::string& keyPath, REGSAM view = 0);

// The listing of every entry the program writes: its own keys whole, and
// for each picture extension its class, extension-list value and "Open
// with" entry.
std::vector<std::string> ProgramEntries();

// The names of a key's subkeys, sorted.
std::vector<std::string> SubkeyNames(HKEY key);

// The values' names of a key, sorted.
std::vector<std::string> ValueNames(HKEY root, const std::string& keyPath, REGSAM view = 0);
