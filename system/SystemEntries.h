#pragma once
#include "system/DdeClient.h"

// Registers the program with the shell at every start (application path,
// help, uninstall entry, file class, picture extensions, WIN.INI mirror) and
// sets ProgramPath, ProgramDir and HelpFilePath.
void RegisterSystemEntries();

// Removes what RegisterSystemEntries wrote, the program group, and hands
// over to the uninstaller.
void UninstallSystemEntries(const DdeClient& client);
