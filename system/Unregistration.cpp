#include <shlobj.h>

#include "system/EntryTexts.h"
#include "system/HandlerEntries.h"
#include "system/IniFiles.h"
#include "system/Registration.h"
#include "system/Registry.h"

namespace {

// Only what the program wrote: other programs may have added their own
// values and subkeys to the extension's key since, and keep them.
void ReleaseExtension(const std::string& extension)
{
    if (!IsProgramClass(ReadRegString(HKEY_CLASSES_ROOT, extension, "")))
        return;
    DeleteIniKey(kIniFile, kIniSection, extension.substr(1));
    DeleteRegValue(HKEY_LOCAL_MACHINE, kExtensionsKey, extension);
    DeleteRegValue(HKEY_CLASSES_ROOT, extension, "");
    DeleteRegKeyIfEmpty(HKEY_CLASSES_ROOT, extension);
}

} // namespace

void RemoveSystemEntries()
{
    DeleteRegKey(HKEY_LOCAL_MACHINE, kAppPathsKey);
    DeleteRegValue(HKEY_LOCAL_MACHINE, kHelpKey, kHelpValue);
    DeleteRegKey(HKEY_LOCAL_MACHINE, kUninstallKey);
    DeleteRegKey(HKEY_CLASSES_ROOT, kClassName);
    RemoveHandlerEntries();
    for (const std::string extension : kPictureExtensions)
        ReleaseExtension(extension);
    ::SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}
