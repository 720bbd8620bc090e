#pragma once
#include <string>

class DdeClient;

// Asks the program manager, reached by DDE under the service name, to delete
// the program group named in the installer log (section "Group", key
// "Name"). A name that cannot be sent safely (GroupCommand) is not sent.
// Nothing is reported; the whole exchange takes at most 5 s.
void RemoveProgramGroup(const DdeClient& client, const std::string& installerLog, const std::string& service);
