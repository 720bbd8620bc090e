#include "uninstaller/Uninstaller.h"

#include <windows.h>

#include <vector>

#include "system/FileBytes.h"
#include "system/RunningProgram.h"
#include "system/SafePaths.h"
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

void DeleteProgramFiles(const UninstallLog& log, std::vector<std::string>& failures)
{
    for (const std::string& file : log.files) {
        if (LiesDirectlyIn(log.madeDir, file))
            DeleteFileNoted(file, failures);
        else
            failures.push_back(file + " (not in " + log.madeDir + ", left alone)");
    }
}

// A drive's root ("C:") is never removed; a directory that still holds
// other files stays.
void RemoveProgramDirectory(const std::string& directory, std::vector<std::string>& failures)
{
    if (directory.size() <= 2 || ::RemoveDirectoryA(directory.c_str()))
        return;
    DWORD error = ::GetLastError();
    if (!IsGone(error))
        failures.push_back(directory + " (" + ErrorText(error) + ")");
}

std::string FailureReport(const std::vector<std::string>& failures)
{
    std::string text = "Lumoscope could not delete everything. Please delete these by hand:\r\n";
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
    std::vector<std::string> failures;
    DeleteProgramFiles(*log, failures);
    RemoveProgramDirectory(log->madeDir, failures);
    DeleteFileNoted(logPath, failures);
    if (failures.empty())
        return urDone;
    Report(FailureReport(failures), MB_ICONWARNING);
    return urIncomplete;
}
