#include "controls/CurrentDirectory.h"

#include <windows.h>

#include "framework/Exceptions.h"

std::string CurrentDirectory()
{
    std::string directory(MAX_PATH, '\0');
    DWORD length = ::GetCurrentDirectoryA(static_cast<DWORD>(directory.size()), directory.data());
    if (length >= directory.size()) {
        directory.resize(length);
        length = ::GetCurrentDirectoryA(length, directory.data());
    }
    directory.resize(length < directory.size() ? length : 0);
    return directory;
}

void ChangeDirectory(const std::string& path)
{
    if (!::SetCurrentDirectoryA(path.c_str()))
        throw EInOutError(static_cast<int>(::GetLastError()));
}

CurrentDirectoryGuard::~CurrentDirectoryGuard() { ::SetCurrentDirectoryA(saved_.c_str()); }
