#include "system/Registration.h"

#include <shlobj.h>

#include "framework/Files.h"
#include "system/EntryTexts.h"
#include "system/HandlerEntries.h"
#include "system/IniFiles.h"
#include "system/RegistryUpdate.h"
#include "system/UninstallEntry.h"

namespace {

const HKEY HKLM = HKEY_LOCAL_MACHINE;
const HKEY HKCR = HKEY_CLASSES_ROOT;

// An existing key whose default value is not the program's class (empty or
// not text included) belongs to another program.
bool OwnedByAnotherProgram(const std::string& extension)
{
    return RegKeyExists(HKCR, extension) && !IsProgramClass(ReadRegString(HKCR, extension, ""));
}

void ClaimExtension(const std::string& programPath, const std::string& extension, RegistryUpdate& update)
{
    const std::string command = ExtensionCommand(programPath, extension);
    update.SetString(HKLM, kExtensionsKey, extension, command);
    update.SetString(HKCR, extension, "", kClassName);
    WriteIniString(kIniFile, kIniSection, extension.substr(1), command);
}

void WriteHelpValue(const ProgramLocation& program, RegistryUpdate& update)
{
    if (FileExists(program.helpFile))
        update.SetString(HKLM, kHelpKey, kHelpValue, program.dir);
    else
        update.Remove(HKLM, kHelpKey, kHelpValue);
}

} // namespace

void WriteSystemEntries(const ProgramLocation& program)
{
    RegistryUpdate update;
    update.SetString(HKLM, kAppPathsKey, "", program.path);
    update.SetString(HKLM, kAppPathsKey, "Path", program.dir);
    WriteHelpValue(program, update);
    WriteUninstallEntry(program, update);
    update.SetString(HKCR, kClassName, "", kClassDescription);
    update.SetString(HKCR, kOpenCommandKey, "", OpenCommand(program.path));
    update.SetString(HKCR, kClassName, "Version", kVersion);
    for (const std::string extension : kPictureExtensions)
        if (!OwnedByAnotherProgram(extension))
            ClaimExtension(program.path, extension, update);
    WriteHandlerEntries(program, update);
    if (update.Changed())
        ::SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}
