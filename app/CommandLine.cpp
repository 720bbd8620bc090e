#include "app/CommandLine.h"

#include "text/PathText.h"

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

} // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine)
{
    std::vector<std::string> items;
    std::size_t i = 0;
    while (true) {
        while (i < commandLine.size() && IsBlank(commandLine[i]))
            ++i;
        if (i >= commandLine.size())
            break;
        std::string item;
        bool quoted = false;
        for (; i < commandLine.size() && (quoted || !IsBlank(commandLine[i])); ++i) {
            if (commandLine[i] == '"')
                quoted = !quoted;
            else
                item += commandLine[i];
        }
        items.push_back(std::move(item));
    }
    return items;
}

bool IsUninstallSwitch(std::string_view argument) { return UpperAscii(argument) == "-U"; }

bool IsRegisterSwitch(std::string_view argument) { return UpperAscii(argument) == "-REGISTER"; }
