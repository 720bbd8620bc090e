#pragma once
// The command that asks the program manager to delete a program group.
#include <optional>
#include <string>
#include <string_view>

// "[DeleteGroup(NAME,1)]" and CR LF: the group of all users, where the
// setup puts it. Nothing for a name that could end the command or add to
// it (one holding a bracket, a parenthesis, a quote, a comma or a control
// character), nor for one that is no single folder of the Start menu: empty,
// "." or "..", or holding "\", "/" or ":".
std::optional<std::string> GroupCommand(std::string_view groupName);
