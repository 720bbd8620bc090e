#pragma once
// The program's entry in the system's list of installed programs.
#include "system/ProgramLocation.h"
#include "system/RegistryUpdate.h"

void WriteUninstallEntry(const ProgramLocation& program, RegistryUpdate& update);
