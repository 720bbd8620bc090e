#pragma once
#include <string>

// Set by RegisterSystemEntries at every start.
extern std::string ProgramPath;   // full path of LUMSC32.EXE
extern std::string ProgramDir;    // its directory, without a trailing "\"
extern std::string HelpFilePath;  // ProgramDir + "\LUMSC32.HLP"

// Computes the three paths from the running program's file name.
void ComputeProgramPaths();
