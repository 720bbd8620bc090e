#pragma once
#include <string>

// True while a process runs from this program file (compared in any case).
// A process of the same file name whose path cannot be read counts as
// running.
bool IsProgramRunning(const std::string& programPath);

// Waits until no process runs from the program file; false after the
// time-out.
bool WaitUntilProgramEnds(const std::string& programPath, unsigned long timeoutMilliseconds);
