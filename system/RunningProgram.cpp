#include "system/RunningProgram.h"

#include <windows.h>
#include <tlhelp32.h>

#include "text/PathText.h"
#include "framework/Handles.h"

namespace {

// Nothing when the process cannot be opened or asked.
std::string ProcessImagePath(DWORD processId)
{
    UniqueKernelHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process)
        return {};
    std::string path(32768, '\0');
    DWORD size = static_cast<DWORD>(path.size());
    if (!::QueryFullProcessImageNameA(process.get(), 0, path.data(), &size))
        return {};
    path.resize(size);
    return path;
}

bool RunsFrom(const PROCESSENTRY32& entry, const std::string& programPath)
{
    if (UpperAscii(entry.szExeFile) != UpperAscii(FileNamePart(programPath)))
        return false;
    std::string image = ProcessImagePath(entry.th32ProcessID);
    return image.empty() || UpperAscii(image) == UpperAscii(programPath);
}

} // namespace

bool IsProgramRunning(const std::string& programPath)
{
    // Like a file handle, a failed snapshot is INVALID_HANDLE_VALUE.
    UniqueFile snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return false;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32First(snapshot.get(), &entry); more; more = ::Process32Next(snapshot.get(), &entry))
        if (RunsFrom(entry, programPath))
            return true;
    return false;
}

bool WaitUntilProgramEnds(const std::string& programPath, unsigned long timeoutMilliseconds)
{
    const ULONGLONG end = ::GetTickCount64() + timeoutMilliseconds;
    while (IsProgramRunning(programPath)) {
        if (::GetTickCount64() >= end)
            return false;
        ::Sleep(100);
    }
    return true;
}
