#include "system/UninstallerPlace.h"

#include <algorithm>

#include "text/PathText.h"

namespace {

constexpr std::string_view kCopyFolderPrefix = "Lumoscope32 uninstall ";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsTemporaryCopyFolderName(std::string_view name)
{
    if (!name.starts_with(kCopyFolderPrefix) || name.size() == kCopyFolderPrefix.size())
        return false;
    name.remove_prefix(kCopyFolderPrefix.size());
    return std::all_of(name.begin(), name.end(), IsDigit);
}

bool IsTemporaryCopy(std::string_view programPath)
{
    if (UpperAscii(FileNamePart(programPath)) != kUninstallerName)
        return false;
    std::string folder = DirectoryPart(programPath);
    if (folder.empty())
        return false;
    folder.pop_back();
    return IsTemporaryCopyFolderName(FileNamePart(folder));
}

} // namespace

std::string InstalledUninstaller(std::string_view windowsDir)
{
    return windowsDir.empty() ? std::string() : JoinPath(windowsDir, kUninstallerName);
}

std::string TemporaryCopyFolder(std::string_view tempDir, unsigned long processId)
{
    return JoinPath(tempDir, std::string(kCopyFolderPrefix) + std::to_string(processId));
}

UninstallerPlace PlaceOf(std::string_view programPath, std::string_view windowsDir)
{
    const std::string installed = InstalledUninstaller(windowsDir);
    if (!installed.empty() && UpperAscii(programPath) == UpperAscii(installed))
        return UninstallerPlace::kWindowsFolder;
    return IsTemporaryCopy(programPath) ? UninstallerPlace::kTemporaryCopy : UninstallerPlace::kElsewhere;
}
