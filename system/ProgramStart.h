#pragma once
#include <windows.h>

#include <string>

#include "framework/Handles.h"

// Starts the program with one argument, handed over as it is, in the
// directory (empty: this process's), shown as showMode asks (0: as the
// program chooses), and does not wait for it. Its process; none when it
// could not be started.
UniqueKernelHandle StartProgram(const std::string& program, const std::string& argument,
                                const std::string& directory = {}, WORD showMode = 0);
