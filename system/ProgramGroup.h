#pragma once
#include <string>

class DdeClient;

// Asks the program manager, reached by DDE under the service name (and
// started from programManagerPath when none answers), to delete the program
// group named in the installer log (section "Group", key "Name"); a name
// that cannot be sent safely (GroupCommand) is not sent. The exchange takes
// at most 5 s and nothing is reported. Where no program manager removed it,
// the group's folder in the all-users Start menu loses the shortcuts the
// log names (keys ending in ".lnk" of that section) and then goes if empty.
void RemoveProgramGroup(const DdeClient& client, const std::string& installerLog, const std::string& service,
                        const std::string& programManagerPath);
