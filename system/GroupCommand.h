#pragma once
// The command that asks the program manager to delete a program group.
#include <optional>
#include <string>
#include <string_view>

// "[DeleteGroup(NAME)]" and CR LF; an empty name leaves the parentheses
// empty. Nothing for a name that could end the command or add to it: one
// holding a bracket, a parenthesis, a quote, a comma (it would start a
// second parameter) or a control character.
std::optional<std::string> GroupCommand(std::string_view groupName);
