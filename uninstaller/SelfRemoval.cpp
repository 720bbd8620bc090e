#include "uninstaller/SelfRemoval.h"

#include <windows.h>

#include "system/FileRemoval.h"
#include "system/ProgramPaths.h"
#include "system/ProgramStart.h"
#include "system/UninstallerPlace.h"
#include "system/WindowsShell.h"
#include "text/PathText.h"

namespace {

constexpr unsigned long kWaitForInstalledToEnd = 5000;

bool Uninstalled(UninstallerResult result) { return result == urDone || result == urIncomplete; }

bool StartTemporaryCopy(const std::string& installed, const std::string& logPath)
{
    const std::string folder = TemporaryCopyFolder(GetTempDir(), ::GetCurrentProcessId());
    const std::string copy = JoinPath(folder, kUninstallerName);
    if (!::CreateDirectoryA(folder.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
        return false;
    if (::CopyFileA(installed.c_str(), copy.c_str(), FALSE) && StartProgram(copy, logPath, GetWindowsDir()))
        return true;
    ::DeleteFileA(copy.c_str());
    ::RemoveDirectoryA(folder.c_str());
    return false;
}

UninstallerResult RunAsInstalled(const std::string& self, const std::string& logPath)
{
    if (StartTemporaryCopy(self, logPath))
        return urDone;
    const UninstallerResult result = RunUninstaller(logPath);
    if (Uninstalled(result))
        DeleteAtRestart(self);
    return result;
}

UninstallerResult RunAsTemporaryCopy(const ProgramLocation& self, const std::string& windowsDir,
                                     const std::string& logPath)
{
    const UninstallerResult result = RunUninstaller(logPath);
    if (Uninstalled(result))
        DeleteFileWithin(InstalledUninstaller(windowsDir), kWaitForInstalledToEnd);
    DeleteAtRestart(self.path);
    DeleteAtRestart(self.dir);
    return result;
}

} // namespace

UninstallerResult UninstallAndRemoveSelf(const std::string& logPath)
{
    const ProgramLocation self = ThisProgram();
    const std::string windowsDir = GetWindowsDir();
    switch (PlaceOf(self.path, windowsDir)) {
    case UninstallerPlace::kWindowsFolder:
        return RunAsInstalled(self.path, logPath);
    case UninstallerPlace::kTemporaryCopy:
        return RunAsTemporaryCopy(self, windowsDir, logPath);
    case UninstallerPlace::kElsewhere:
        break;
    }
    return RunUninstaller(logPath);
}
