#pragma once
// Writes registry values, leaving those that already hold what would be
// written, and remembers whether anything changed: the shell is told about
// changed associations, and a start whose entries are in place (a standard
// user's, after the setup wrote them for everyone) writes nothing.
#include "system/Registry.h"

class RegistryUpdate {
public:
    void Set(HKEY root, const std::string& keyPath, const std::string& valueName, const RegValue& value,
             REGSAM view = 0);
    void SetString(HKEY root, const std::string& keyPath, const std::string& valueName, const std::string& text,
                   REGSAM view = 0)
    {
        Set(root, keyPath, valueName, RegStringValue(text), view);
    }
    void Remove(HKEY root, const std::string& keyPath, const std::string& valueName);

    bool Changed() const { return changed_; }

private:
    bool changed_ = false;
};
