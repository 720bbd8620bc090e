#include "system/WindowsShell.h"

#include <windows.h>
#include <shellapi.h>

#include "framework/Application.h"

std::string GetWindowsDir()
{
    std::string directory(144, '\0');
    UINT length = ::GetWindowsDirectoryA(directory.data(), static_cast<UINT>(directory.size()));
    if (length >= directory.size()) {
        directory.resize(length);
        length = ::GetWindowsDirectoryA(directory.data(), static_cast<UINT>(directory.size()));
    }
    if (length == 0 || length >= directory.size())
        return {};
    directory.resize(length);
    return directory;
}

std::string GetTempDir()
{
    std::string directory(MAX_PATH + 1, '\0');  // the most GetTempPathA returns
    const DWORD length = ::GetTempPathA(static_cast<DWORD>(directory.size()), directory.data());
    directory.resize(length < directory.size() ? length : 0);
    return directory;
}

long long ShellRun(const std::string& program, const std::string& parameters, const std::string& directory,
                   int showMode)
{
    HINSTANCE result = ::ShellExecuteA(Application().MainWindow(), nullptr, program.c_str(), parameters.c_str(),
                                       directory.empty() ? nullptr : directory.c_str(), showMode);
    return reinterpret_cast<INT_PTR>(result);
}
