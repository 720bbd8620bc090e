#include "system/EntryTexts.h"
#include "system/IniFiles.h"
#include "system/Registration.h"
#include "system/Registry.h"

namespace {

void ReleaseExtension(const std::string& extension)
{
    if (!IsProgramClass(ReadRegString(HKEY_CLASSES_ROOT, extension, "")))
        return;
    DeleteIniKey(kIniFile, kIniSection, extension.substr(1));
    DeleteRegValue(HKEY_LOCAL_MACHINE, kExtensionsKey, extension);
    DeleteRegKey(HKEY_CLASSES_ROOT, extension);
}

} // namespace

void RemoveSystemEntries()
{
    DeleteRegKey(HKEY_LOCAL_MACHINE, kAppPathsKey);
    DeleteRegValue(HKEY_LOCAL_MACHINE, kHelpKey, kHelpValue);
    DeleteRegKey(HKEY_LOCAL_MACHINE, kUninstallKey);
    DeleteRegKey(HKEY_CLASSES_ROOT, kClassName);
    for (const std::string extension : kPictureExtensions)
        ReleaseExtension(extension);
}
