#include "system/Registry.h"

#include <algorithm>

#include "framework/Handles.h"

namespace {

UniqueRegKey OpenKey(HKEY root, const std::string& keyPath, REGSAM access)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, keyPath.c_str(), 0, access, &key) != ERROR_SUCCESS)
        return {};
    return UniqueRegKey(key);
}

const char* ValueName(const std::string& valueName) { return valueName.empty() ? nullptr : valueName.c_str(); }

} // namespace

bool WriteRegString(HKEY root, const std::string& keyPath, const std::string& valueName, const std::string& text)
{
    HKEY created = nullptr;
    if (::RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                          &created, nullptr) != ERROR_SUCCESS)
        return false;
    UniqueRegKey key(created);
    return ::RegSetValueExA(key.get(), ValueName(valueName), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

std::string ReadRegString(HKEY root, const std::string& keyPath, const std::string& valueName)
{
    UniqueRegKey key = OpenKey(root, keyPath, KEY_QUERY_VALUE);
    if (!key)
        return {};
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(key.get(), ValueName(valueName), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return {};
    std::string text(size, '\0');
    if (::RegQueryValueExA(key.get(), ValueName(valueName), nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                           &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return {};
    text.resize(std::min<std::size_t>(size, text.size()));
    return text.substr(0, text.find('\0'));
}

bool RegKeyExists(HKEY root, const std::string& keyPath)
{
    return static_cast<bool>(OpenKey(root, keyPath, KEY_READ));
}

bool DeleteRegValue(HKEY root, const std::string& keyPath, const std::string& valueName)
{
    UniqueRegKey key = OpenKey(root, keyPath, KEY_ALL_ACCESS);
    return key && ::RegDeleteValueA(key.get(), ValueName(valueName)) == ERROR_SUCCESS;
}

bool DeleteRegKey(HKEY root, const std::string& keyPath)
{
    return !keyPath.empty() && ::RegDeleteTreeA(root, keyPath.c_str()) == ERROR_SUCCESS;
}
