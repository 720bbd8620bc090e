#include "system/SystemEntries.h"

#include "framework/Application.h"
#include "system/ProgramPaths.h"
#include "system/Registration.h"
#include "system/Uninstall.h"
#include "system/WindowsShell.h"

void RegisterSystemEntries()
{
    ComputeProgramPaths();
    WriteSystemEntries({ProgramPath, ProgramDir, HelpFilePath});
    Application().ProcessMessages();
}

void UninstallSystemEntries(const DdeClient& client)
{
    Uninstall(client, {ProgramDir, GetWindowsDir()});
}
