#include "uninstaller/Uninstaller.h"

#include <windows.h>

#include <vector>

#include "system/FileBytes.h"
#include "system/RunningProgram.h"
#include "system/ProgramRemoval.h"
#include "system/UninstallLog.h"

namespace {

constexpr unsigned long kWaitForProgram = 30000;

void Report(const std::string& text, UINT icon)
{
    ::MessageBoxA(nullptr, text.c_str(), "Lumoscope Uninstall", MB_OK | MB_SETFOREGROUND | icon);
}

std::string ErrorText(DWORD code)
{
    char* buffer = nullptr;
    DWORD length = ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                        FORMAT_MESSAGE_IGNORE_INSERTS,
                                    nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = length ? std::string(buffer, length) : "error " + std::to_string(code);
    ::LocalFree(buffer);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

bool IsGone(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// Files named in the log but never installed are not a failure.
void DeleteFileNoted(const std::string& path, std::vector<std::string>& failures)
{
    if (::DeleteFileA(path.c_str()))
        return;
    DWORD error = ::GetLastError();
    if (!IsGone(error))
        failures.push_back(path + " (" + ErrorText(error) + ")");
}

// RemoveDirectoryA removes only an empty folder.
void RemoveProgramFolder(const std::string& folder, std::vector<std::string>& failures)
{
    if (folder.empty() || ::RemoveDirectoryA(folder.c_str()))
        return;
    DWORD error = ::GetLastError();
    if (error == ERROR_DIR_NOT_EMPTY)
        failures.push_back(folder + " (holds other files, left alone)");
    else if (!IsGone(error))
        failures.push_back(folder + " (" + ErrorText(error) + ")");
}

std::string FailureReport(const std::vector<std::string>& failures)
{
    std::string text = "Lumoscope did not delete everything:\r\n";
    for (const std::string& failure : failures)
        text += "\r\n" + failure;
    return text;
}

} // namespace

UninstallerResult RunUninstaller(const std::string& logPath)
{
    std::optional<std::string> text = logPath.empty() ? std::nullopt : ReadFileBytes(logPath);
    std::optional<UninstallLog> log = text ? ParseUninstallLog(*text) : std::nullopt;
    if (!log) {
        Report("LMUNINST.EXE needs the uninstall log of Lumoscope as its only argument.\r\n\r\n\"" + logPath +
                   "\" is not such a log; nothing was deleted.",
               MB_ICONERROR);
        return urRefused;
    }
    if (!WaitUntilProgramEnds(log->madeDir + "\\LUMSC32.EXE", kWaitForProgram)) {
        Report("Lumoscope is still running from " + log->madeDir +
                   ".\r\n\r\nPlease close it and run the uninstall again; nothing was deleted.",
               MB_ICONWARNING);
        return urStillRunning;
    }
    ProgramRemoval removal = PlanProgramRemoval(*log);
    std::vector<std::string> failures = removal.refused;
    for (const std::string& file : removal.files)
        DeleteFileNoted(file, failures);
    RemoveProgramFolder(removal.folder, failures);
    DeleteFileNoted(logPath, failures);
    if (failures.empty())
        return urDone;
    Report(FailureReport(failures), MB_ICONWARNING);
    return urIncomplete;
}
