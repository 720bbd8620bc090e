#pragma once
#include <string>

// Starts the program with one argument, handed over as it is, in the
// directory, and does not wait for it. False when it could not be started.
bool StartProgram(const std::string& program, const std::string& argument, const std::string& directory);
