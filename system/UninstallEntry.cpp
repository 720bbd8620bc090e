#include "system/UninstallEntry.h"

#include <algorithm>

#include "framework/Files.h"

#include "system/EntryTexts.h"
#include "system/ProgramFiles.h"

namespace {

// In KiB, rounded up, as the list shows it: the program's files that are there.
DWORD InstalledSize(const std::string& programDir)
{
    std::int64_t bytes = 0;
    for (const char* name : kProgramFiles)
        bytes += std::max<std::int64_t>(FileSizeOf(programDir + "\\" + name), 0);
    return static_cast<DWORD>((bytes + 1023) / 1024);
}

} // namespace

void WriteUninstallEntry(const ProgramLocation& program, RegistryUpdate& update)
{
    const HKEY HKLM = HKEY_LOCAL_MACHINE;
    update.SetString(HKLM, kUninstallKey, "DisplayName", kDisplayName);
    update.SetString(HKLM, kUninstallKey, "UninstallString", UninstallCommand(program.path));
    update.SetString(HKLM, kUninstallKey, "DisplayIcon", program.path);
    update.SetString(HKLM, kUninstallKey, "DisplayVersion", kVersion);
    update.SetString(HKLM, kUninstallKey, "Publisher", kPublisher);
    update.SetString(HKLM, kUninstallKey, "InstallLocation", program.dir);
    update.Set(HKLM, kUninstallKey, "EstimatedSize", RegDwordValue(InstalledSize(program.dir)));
    update.Set(HKLM, kUninstallKey, "NoModify", RegDwordValue(1));
    update.Set(HKLM, kUninstallKey, "NoRepair", RegDwordValue(1));
}
