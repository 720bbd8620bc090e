#pragma once
#include <string>

class DdeClient;

// "[DeleteGroup(NAME)]" and CR LF; an empty name leaves the parentheses empty.
std::string GroupCommand(const std::string& groupName);

// Asks the program manager, reached by DDE under the service name, to delete
// the program group named in the installer log (section "Group", key
// "Name"). Nothing is reported; the whole exchange takes at most 5 s.
void RemoveProgramGroup(const DdeClient& client, const std::string& installerLog, const std::string& service);
