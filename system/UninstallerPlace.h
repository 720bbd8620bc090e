#pragma once
// Where LMUNINST.EXE runs from decides how it leaves. The installed one in
// the Windows folder cannot delete its own running file, so it hands the
// uninstall over to a copy of itself in a fresh temporary folder; that copy
// deletes the installed one and has itself removed at the next restart. One
// run from anywhere else leaves its file alone.
#include <string>
#include <string_view>

enum class UninstallerPlace { kWindowsFolder, kTemporaryCopy, kElsewhere };

inline constexpr std::string_view kUninstallerName = "LMUNINST.EXE";

// The installed uninstaller; empty when the Windows folder is unknown.
std::string InstalledUninstaller(std::string_view windowsDir);

// The folder for the copy made by the installed uninstaller with this
// process id. The copy keeps the name LMUNINST.EXE.
std::string TemporaryCopyFolder(std::string_view tempDir, unsigned long processId);

// programPath is the uninstaller's own file; letters in any case.
UninstallerPlace PlaceOf(std::string_view programPath, std::string_view windowsDir);
