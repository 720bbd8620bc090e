#include "system/SystemEntries.h"

#include "system/ProgramPaths.h"

void RegisterSystemEntries()
{
    ComputeProgramPaths();
    // The registry and WIN.INI entries follow with the registration itself.
}

void UninstallSystemEntries()
{
    // The removal of the entries and the hand-over to the uninstaller follow
    // with the uninstall itself.
}
