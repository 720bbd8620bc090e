#include "system/ProgramPaths.h"

#include <windows.h>

#include "app/PathText.h"

std::string ProgramPath;
std::string ProgramDir;
std::string HelpFilePath;

void ComputeProgramPaths()
{
    std::string path(MAX_PATH, '\0');
    DWORD length;
    while ((length = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    ProgramPath = path;
    ProgramDir = DirectoryPart(path);
    if (!ProgramDir.empty() && ProgramDir.back() == '\\')
        ProgramDir.pop_back();
    HelpFilePath = ProgramDir + "\\LUMSC32.HLP";
}
