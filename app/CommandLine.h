#pragma once
#include <string>
#include <string_view>
#include <vector>

// Splits a command line at blanks (and other control characters); double
// quotes group characters, blanks included, and are removed. The first item
// is the program itself.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// "-U" in any case, and nothing else, asks for the uninstall.
bool IsUninstallSwitch(std::string_view argument);

// "-REGISTER" in any case: the setup's call, which writes the registration
// and ends without a window.
bool IsRegisterSwitch(std::string_view argument);
