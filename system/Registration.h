#pragma once
// The registry and WIN.INI entries that make the shell know the program.
#include "system/ProgramLocation.h"

// Writes every entry for the program at this location: application path,
// help, uninstall entry, file class, and each picture extension that no
// other program owns, mirrored in WIN.INI. Failures pass silently.
void WriteSystemEntries(const ProgramLocation& program);

// Removes them again; an extension another program has taken over keeps
// its entries.
void RemoveSystemEntries();
