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

// The parent's path and the key's own name; the parent is empty for a key
// right below the root.
std::pair<std::string, std::string> SplitKeyPath(const std::string& keyPath)
{
    const std::size_t slash = keyPath.rfind('\\');
    if (slash == std::string::npos)
        return {{}, keyPath};
    return {keyPath.substr(0, slash), keyPath.substr(slash + 1)};
}

} // namespace

bool WriteRegString(HKEY root, const std::string& keyPath, const std::string& valueName, const std::string& text,
                    REGSAM view)
{
    return WriteRegValue(root, keyPath, valueName, RegStringValue(text), view);
}

std::string ReadRegString(HKEY root, const std::string& keyPath, const std::string& valueName, REGSAM view)
{
    std::optional<RegValue> value = ReadRegValue(root, keyPath, valueName, view);
    if (!value || value->type != REG_SZ)
        return {};
    return value->bytes.substr(0, value->bytes.find('\0'));
}

bool RegKeyExists(HKEY root, const std::string& keyPath, REGSAM view)
{
    return static_cast<bool>(OpenKey(root, keyPath, KEY_READ | view));
}

bool DeleteRegValue(HKEY root, const std::string& keyPath, const std::string& valueName, REGSAM view)
{
    UniqueRegKey key = OpenKey(root, keyPath, KEY_ALL_ACCESS | view);
    return key && ::RegDeleteValueA(key.get(), ValueName(valueName)) == ERROR_SUCCESS;
}

bool DeleteRegKey(HKEY root, const std::string& keyPath, REGSAM view)
{
    if (keyPath.empty())
        return false;
    if (view == 0)
        return ::RegDeleteTreeA(root, keyPath.c_str()) == ERROR_SUCCESS;
    // RegDeleteTreeA takes no view: open the parent in the view instead.
    const auto [parentPath, name] = SplitKeyPath(keyPath);
    UniqueRegKey parent = OpenKey(root, parentPath, KEY_ALL_ACCESS | view);
    return parent && ::RegDeleteTreeA(parent.get(), name.c_str()) == ERROR_SUCCESS;
}

bool DeleteRegKeyIfEmpty(HKEY root, const std::string& keyPath, REGSAM view)
{
    UniqueRegKey key = OpenKey(root, keyPath, KEY_READ | view);
    DWORD subkeys = 0;
    DWORD values = 0;
    if (!key || ::RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                                   nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS ||
        subkeys != 0 || values != 0)
        return false;
    key.reset();
    return DeleteRegKey(root, keyPath, view);
}

RegValue RegStringValue(const std::string& text) { return {REG_SZ, std::string(text.c_str(), text.size() + 1)}; }

RegValue RegDwordValue(DWORD number)
{
    return {REG_DWORD, std::string(reinterpret_cast<const char*>(&number), sizeof number)};
}

std::optional<RegValue> ReadRegValue(HKEY root, const std::string& keyPath, const std::string& valueName, REGSAM view)
{
    UniqueRegKey key = OpenKey(root, keyPath, KEY_QUERY_VALUE | view);
    if (!key)
        return std::nullopt;
    RegValue value;
    DWORD size = 0;
    if (::RegQueryValueExA(key.get(), ValueName(valueName), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.bytes.resize(size);
    if (::RegQueryValueExA(key.get(), ValueName(valueName), nullptr, &value.type,
                           reinterpret_cast<BYTE*>(value.bytes.data()), &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.bytes.resize(std::min<std::size_t>(size, value.bytes.size()));
    return value;
}

bool WriteRegValue(HKEY root, const std::string& keyPath, const std::string& valueName, const RegValue& value,
                   REGSAM view)
{
    HKEY created = nullptr;
    if (::RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS | view, nullptr,
                          &created, nullptr) != ERROR_SUCCESS)
        return false;
    UniqueRegKey key(created);
    return ::RegSetValueExA(key.get(), ValueName(valueName), 0, value.type,
                            reinterpret_cast<const BYTE*>(value.bytes.data()),
                            static_cast<DWORD>(value.bytes.size())) == ERROR_SUCCESS;
}
