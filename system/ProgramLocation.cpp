#include "system/ProgramLocation.h"

#include "text/PathText.h"

ProgramLocation LocateProgram(std::string_view programPath)
{
    ProgramLocation location;
    location.path = programPath;
    location.dir = DirectoryPart(programPath);
    if (!location.dir.empty())
        location.dir.pop_back();  // the last "\" or ":"
    location.helpFile = location.dir + "\\LUMSC32.HLP";
    return location;
}
