#include "system/Uninstall.h"

#include <windows.h>

#include "framework/Dialogs.h"
#include "framework/Exceptions.h"
#include "framework/Files.h"
#include "framework/Handles.h"
#include "system/ProgramFiles.h"
#include "system/IniFiles.h"
#include "system/ProgramGroup.h"
#include "system/Registration.h"
#include "system/SafePaths.h"
#include "system/UninstallLog.h"
#include "system/WindowsShell.h"

namespace {

// A program copied into a drive's root or a shared folder may find another
// program's log of that name there.
bool IsOwnInstallerLog(const std::string& installerLog, const std::string& programDir)
{
    return !IsRootDirectory(programDir) && FileExists(installerLog) &&
           ReadIniString(installerLog, "Setup", "Product") == kInstallerLogProduct;
}

void RemoveInstallerGroup(const DdeClient& client, const UninstallPlace& place)
{
    const std::string installerLog = place.programDir + "\\" + kInstallerLogName;
    if (!IsOwnInstallerLog(installerLog, place.programDir))
        return;
    RemoveProgramGroup(client, installerLog, place.programManager,
                       place.windowsDir + "\\" + place.programManager + ".EXE");
    ::DeleteFileA(installerLog.c_str());
}

// A write error here ends the program through the run-time's report.
void WriteLog(UniqueFile log, const std::string& text)
{
    DWORD written = 0;
    if (!::WriteFile(log.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr))
        throw EInOutError(static_cast<int>(::GetLastError()));
    if (written != text.size())
        throw EInOutError(101);  // the disk is full
    HANDLE handle = log.release();
    if (!::CloseHandle(handle))
        throw EInOutError(static_cast<int>(::GetLastError()));
}

void ReportManualRemoval(const std::string& programDir)
{
    MessageDlg(kUninstallError + programDir + "\r\r", mtError, mbOK);
}

void HandOverToUninstaller(const UninstallPlace& place)
{
    const std::string logPath = place.windowsDir + "\\LMUNINST.LOG";
    const std::string uninstaller = place.windowsDir + "\\LMUNINST.EXE";
    UniqueFile log(::CreateFileA(logPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                 nullptr));
    if (!log || !FileExists(uninstaller)) {
        log.reset();
        ReportManualRemoval(place.programDir);
        return;
    }
    WriteLog(std::move(log), UninstallLogText(place.programDir));
    MessageDlg(kUninstallInformation, mtInformation, mbOK);
    ShellRun(uninstaller, logPath, "", SW_SHOW);
}

} // namespace

void Uninstall(const DdeClient& client, const UninstallPlace& place)
{
    RemoveSystemEntries();
    RemoveInstallerGroup(client, place);
    HandOverToUninstaller(place);
}
