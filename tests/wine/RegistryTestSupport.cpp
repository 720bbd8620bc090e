#include "RegistryTestSupport.h"

#include <algorithm>

#include "framework/Handles.h"
#include "system/EntryTexts.h"
#include "system/Registry.h"

namespace {

std::string DataText(DWORD type, const std::string& bytes)
{
    if (type == REG_SZ)
        return bytes.substr(0, bytes.find('\0'));
    if (type == REG_DWORD && bytes.size() == sizeof(DWORD))
        return std::to_string(*reinterpret_cast<const DWORD*>(bytes.data()));
    if (type == REG_NONE && bytes.empty())
        return "(none)";
    return "(type " + std::to_string(type) + ", " + std::to_string(bytes.size()) + " bytes)";
}

} // namespace

std::vector<std::string> SubkeyNames(HKEY key)
{
    std::vector<std::string> names;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (::RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    std::sort(names.begin(), names.end());
    return names;
}

namespace {

UniqueRegKey OpenForReading(HKEY root, const std::string& keyPath, REGSAM view)
{
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ | view, &opened) != ERROR_SUCCESS)
        return {};
    return UniqueRegKey(opened);
}

} // namespace

std::vector<std::string> ValueNames(HKEY root, const std::string& keyPath, REGSAM view)
{
    std::vector<std::string> names;
    UniqueRegKey key = OpenForReading(root, keyPath, view);
    char name[16384];
    for (DWORD i = 0; key; ++i) {
        DWORD length = sizeof name;
        if (::RegEnumValueA(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> RegistryListing(HKEY root, const std::string& keyPath, REGSAM view)
{
    std::vector<std::string> lines;
    UniqueRegKey key = OpenForReading(root, keyPath, view);
    if (!key)
        return lines;
    for (const std::string& name : ValueNames(root, keyPath, view)) {
        const std::optional<RegValue> value = ReadRegValue(root, keyPath, name, view);
        lines.push_back(keyPath + "\\" + name + "=" + (value ? DataText(value->type, value->bytes) : "?"));
    }
    for (const std::string& subkey : SubkeyNames(key.get())) {
        std::vector<std::string> below = RegistryListing(root, keyPath + "\\" + subkey, view);
        lines.insert(lines.end(), below.begin(), below.end());
    }
    return lines;
}

std::vector<std::string> ProgramEntries()
{
    const HKEY HKLM = HKEY_LOCAL_MACHINE;
    std::vector<std::string> lines;
    auto add = [&](std::vector<std::string> more) { lines.insert(lines.end(), more.begin(), more.end()); };
    auto addValue = [&](HKEY root, const std::string& key, const std::string& name, REGSAM view = 0) {
        if (std::optional<RegValue> value = ReadRegValue(root, key, name, view))
            lines.push_back(key + "\\" + name + "=" + DataText(value->type, value->bytes));
    };
    add(RegistryListing(HKLM, kAppPathsKey));
    addValue(HKLM, kHelpKey, kHelpValue);
    add(RegistryListing(HKLM, kUninstallKey));
    add(RegistryListing(HKEY_CLASSES_ROOT, kClassName));
    for (const std::string& extension : OpenableExtensions()) {
        addValue(HKLM, kExtensionsKey, extension);
        if (IsProgramClass(ReadRegString(HKEY_CLASSES_ROOT, extension, "")))
            addValue(HKEY_CLASSES_ROOT, extension, "");
        addValue(HKLM, OpenWithProgidsKey(extension), kClassName);
    }
    add(RegistryListing(HKLM, kApplicationKey));
    add(RegistryListing(HKLM, kProgramKey, KEY_WOW64_64KEY));
    addValue(HKLM, kRegisteredApplicationsKey, kRegisteredName, KEY_WOW64_64KEY);
    return lines;
}
