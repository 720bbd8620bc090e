#include "system/GroupCommand.h"

namespace {

bool IsSendable(char c)
{
    const auto code = static_cast<unsigned char>(c);
    return code >= 0x20 && code != 0x7F && std::string_view("[]()\",\\/:").find(c) == std::string_view::npos;
}

} // namespace

std::optional<std::string> GroupCommand(std::string_view groupName)
{
    if (groupName.empty() || groupName == "." || groupName == "..")
        return std::nullopt;
    for (char c : groupName)
        if (!IsSendable(c))
            return std::nullopt;
    return "[DeleteGroup(" + std::string(groupName) + ",1)]\r\n";
}
