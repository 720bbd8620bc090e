#include "system/FileRemoval.h"

#include <windows.h>

bool DeleteFileWithin(const std::string& path, unsigned long timeoutMilliseconds)
{
    const ULONGLONG end = ::GetTickCount64() + timeoutMilliseconds;
    while (!::DeleteFileA(path.c_str())) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return true;
        if (::GetTickCount64() >= end)
            return false;
        ::Sleep(100);
    }
    return true;
}

bool DeleteAtRestart(const std::string& path)
{
    return ::MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
}
