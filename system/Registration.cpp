#include "system/Registration.h"

#include "framework/Files.h"
#include "system/EntryTexts.h"
#include "system/IniFiles.h"
#include "system/Registry.h"

namespace {

// An existing key whose default value is not the program's class (empty or
// not text included) belongs to another program.
bool OwnedByAnotherProgram(const std::string& extension)
{
    return RegKeyExists(HKEY_CLASSES_ROOT, extension) &&
           !IsProgramClass(ReadRegString(HKEY_CLASSES_ROOT, extension, ""));
}

void ClaimExtension(const std::string& programPath, const std::string& extension)
{
    const std::string command = ExtensionCommand(programPath, extension);
    WriteRegString(HKEY_LOCAL_MACHINE, kExtensionsKey, extension, command);
    WriteRegString(HKEY_CLASSES_ROOT, extension, "", kClassName);
    WriteIniString(kIniFile, kIniSection, extension.substr(1), command);
}

void WriteHelpValue(const ProgramLocation& program)
{
    if (FileExists(program.helpFile))
        WriteRegString(HKEY_LOCAL_MACHINE, kHelpKey, kHelpValue, program.dir);
    else
        DeleteRegValue(HKEY_LOCAL_MACHINE, kHelpKey, kHelpValue);
}

} // namespace

void WriteSystemEntries(const ProgramLocation& program)
{
    WriteRegString(HKEY_LOCAL_MACHINE, kAppPathsKey, "", program.path);
    WriteRegString(HKEY_LOCAL_MACHINE, kAppPathsKey, "Path", program.dir);
    WriteHelpValue(program);
    WriteRegString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName", kDisplayName);
    WriteRegString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString", UninstallCommand(program.path));
    WriteRegString(HKEY_CLASSES_ROOT, kClassName, "", kClassDescription);
    WriteRegString(HKEY_CLASSES_ROOT, kOpenCommandKey, "", OpenCommand(program.path));
    WriteRegString(HKEY_CLASSES_ROOT, kClassName, "Version", kVersion);
    for (const std::string extension : kPictureExtensions)
        if (!OwnedByAnotherProgram(extension))
            ClaimExtension(program.path, extension);
}
