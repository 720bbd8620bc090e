#include "system/ProgramFiles.h"

#include "text/PathText.h"

bool IsProgramFileName(std::string_view name)
{
    const std::string upper = UpperAscii(name);
    for (const char* file : kProgramFiles)
        if (upper == file)
            return true;
    for (const char* file : kSetupFiles)
        if (upper == file)
            return true;
    return false;
}
