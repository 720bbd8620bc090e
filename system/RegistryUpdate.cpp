#include "system/RegistryUpdate.h"

void RegistryUpdate::Set(HKEY root, const std::string& keyPath, const std::string& valueName, const RegValue& value,
                         REGSAM view)
{
    if (ReadRegValue(root, keyPath, valueName, view) != value && WriteRegValue(root, keyPath, valueName, value, view))
        changed_ = true;
}

void RegistryUpdate::Remove(HKEY root, const std::string& keyPath, const std::string& valueName)
{
    if (DeleteRegValue(root, keyPath, valueName))
        changed_ = true;
}
