#include "system/SoleArgument.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view AfterProgramName(std::string_view commandLine)
{
    commandLine = Trim(commandLine);
    bool quoted = false;
    std::size_t i = 0;
    for (; i < commandLine.size() && (quoted || !IsBlank(commandLine[i])); ++i)
        if (commandLine[i] == '"')
            quoted = !quoted;
    return commandLine.substr(i);
}

} // namespace

std::string SoleArgument(std::string_view commandLine)
{
    std::string_view argument = Trim(AfterProgramName(commandLine));
    if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"')
        argument = argument.substr(1, argument.size() - 2);
    return std::string(argument);
}
