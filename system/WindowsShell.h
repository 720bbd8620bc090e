#pragma once
#include <string>

// The Windows directory; empty when the query fails.
std::string GetWindowsDir();

// The folder for temporary files, ended by "\"; empty when the query fails.
std::string GetTempDir();

// Opens the program with the shell's default verb, owned by the
// application's main window; an empty directory means none. Returns the
// shell's result.
long long ShellRun(const std::string& program, const std::string& parameters, const std::string& directory,
                   int showMode);
