#include "system/IniFiles.h"

#include <windows.h>

#include "text/PathText.h"

bool WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& text)
{
    return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), text.c_str(), UpperAscii(file).c_str()) !=
           FALSE;
}

std::string ReadIniString(const std::string& file, const std::string& section, const std::string& key)
{
    std::string text(1025, '\0');
    DWORD length = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), "", text.data(),
                                              static_cast<DWORD>(text.size()), UpperAscii(file).c_str());
    text.resize(length);
    return text;
}
