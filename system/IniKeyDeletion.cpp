// DeleteIniKey: the profile service for sections the platform maps to the
// registry (as Windows NT and Wine do with WIN.INI's "Extensions"), and a
// rewrite of the file for lines that live in the file itself.
#include <windows.h>

#include "text/PathText.h"
#include "framework/Handles.h"
#include "system/FileBytes.h"
#include "system/IniFiles.h"
#include "system/IniRewrite.h"
#include "system/WindowsShell.h"

namespace {

constexpr const char* kIniFileMappingKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\IniFileMapping\\";
// Far beyond any real WIN.INI; a larger file keeps its lines rather than
// have the whole of it read into memory.
constexpr long long kIniFileLimit = 8 << 20;

// In upper case, in the Windows directory when it names no directory.
std::string IniFilePath(const std::string& file)
{
    std::string path = UpperAscii(file);
    return DirectoryPart(path).empty() ? JoinPath(GetWindowsDir(), path) : path;
}

bool IsMappedSection(const std::string& path, const std::string& section)
{
    HKEY opened = nullptr;
    std::string mapping = kIniFileMappingKey + FileNamePart(path);
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, mapping.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    UniqueRegKey key(opened);
    HKEY sectionKey = nullptr;
    if (::RegOpenKeyExA(key.get(), section.c_str(), 0, KEY_READ, &sectionKey) == ERROR_SUCCESS) {
        UniqueRegKey owned(sectionKey);
        return true;
    }
    return ::RegQueryValueExA(key.get(), section.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool ProfileHasKey(const std::string& path, const std::string& section, const std::string& key)
{
    const char* missing = "\x01";
    char text[4] = {};
    ::GetPrivateProfileStringA(section.c_str(), key.c_str(), missing, text, sizeof text, path.c_str());
    return std::string(text) != missing;
}

// Only for mapped sections: on a plain file the profile service would write
// the whole file again in its own layout.
bool DeleteMappedKey(const std::string& path, const std::string& section, const std::string& key)
{
    if (!IsMappedSection(path, section) || !ProfileHasKey(path, section, key))
        return false;
    ::WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, path.c_str());
    return !ProfileHasKey(path, section, key);
}

bool IsWritableFile(const std::string& path)
{
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY));
}

bool ReplaceFileBytes(const std::string& path, const std::string& bytes)
{
    const std::string temporary = DirectoryPart(path) + "$$$$----.BAK";
    if (WriteFileBytes(temporary, bytes) && ::MoveFileExA(temporary.c_str(), path.c_str(),
                                                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    ::DeleteFileA(temporary.c_str());
    return false;
}

bool DeleteFileLines(const std::string& path, const std::string& section, const std::string& key)
{
    if (!IsWritableFile(path))
        return false;
    std::optional<std::string> text = ReadFileBytes(path, kIniFileLimit);
    if (!text)
        return false;
    IniRewrite rewrite = RemoveIniKeyLines(*text, section, key);
    return rewrite.removed && ReplaceFileBytes(path, rewrite.text);
}

} // namespace

bool DeleteIniKey(const std::string& file, const std::string& section, const std::string& key)
{
    const std::string path = IniFilePath(file);
    const bool removedMapped = DeleteMappedKey(path, section, key);
    const bool removedLines = DeleteFileLines(path, section, key);
    return removedMapped || removedLines;
}
