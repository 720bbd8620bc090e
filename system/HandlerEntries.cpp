#include "system/HandlerEntries.h"

#include "system/EntryTexts.h"

namespace {

const HKEY HKLM = HKEY_LOCAL_MACHINE;
constexpr REGSAM kShellView = KEY_WOW64_64KEY;

void WriteApplicationKey(const ProgramLocation& program, RegistryUpdate& update)
{
    const std::string key = kApplicationKey;
    update.SetString(HKLM, key, "FriendlyAppName", kApplicationName);
    update.SetString(HKLM, key + "\\shell\\open\\command", "", OpenCommand(program.path));
    for (const std::string& extension : OpenableExtensions())
        update.SetString(HKLM, key + "\\SupportedTypes", extension, "");
}

void WriteCapabilities(const ProgramLocation& program, RegistryUpdate& update)
{
    const std::string key = kCapabilitiesKey;
    update.SetString(HKLM, key, "ApplicationName", kApplicationName, kShellView);
    update.SetString(HKLM, key, "ApplicationDescription", kApplicationDescription, kShellView);
    update.SetString(HKLM, key, "ApplicationIcon", program.path + ",0", kShellView);
    for (const std::string& extension : OpenableExtensions())
        update.SetString(HKLM, key + "\\FileAssociations", extension, kClassName, kShellView);
    update.SetString(HKLM, kRegisteredApplicationsKey, kRegisteredName, kCapabilitiesKey, kShellView);
}

} // namespace

void WriteHandlerEntries(const ProgramLocation& program, RegistryUpdate& update)
{
    for (const std::string& extension : OpenableExtensions())
        update.Set(HKLM, OpenWithProgidsKey(extension), kClassName, RegValue{REG_NONE, {}});
    WriteApplicationKey(program, update);
    WriteCapabilities(program, update);
}

void RemoveHandlerEntries()
{
    for (const std::string& extension : OpenableExtensions()) {
        DeleteRegValue(HKLM, OpenWithProgidsKey(extension), kClassName);
        DeleteRegKeyIfEmpty(HKLM, OpenWithProgidsKey(extension));
    }
    DeleteRegKey(HKLM, kApplicationKey);
    DeleteRegValue(HKLM, kRegisteredApplicationsKey, kRegisteredName, kShellView);
    DeleteRegKey(HKLM, kProgramKey, kShellView);
}
