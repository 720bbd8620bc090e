#pragma once
#include <string>
#include <string_view>

// Where the program file lies and the names derived from it.
struct ProgramLocation {
    std::string path;      // the program file, e.g. C:\APPS\LUMSC32.EXE
    std::string dir;       // C:\APPS; a program in a drive's root gives C:
    std::string helpFile;  // dir + "\LUMSC32.HLP"
};

ProgramLocation LocateProgram(std::string_view programPath);
