#include "system/ProgramPaths.h"

#include <windows.h>

#include "system/ProgramLocation.h"

namespace {

std::string ModuleFileName()
{
    std::string path(MAX_PATH, '\0');
    DWORD length;
    while ((length = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    return path;
}

} // namespace

ProgramLocation ThisProgram() { return LocateProgram(ModuleFileName()); }
