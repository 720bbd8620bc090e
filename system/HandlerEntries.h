#pragma once
// The entries that make the program a handler the user can choose for its
// picture types ("Open with", Default apps) without taking any type's
// default from another program. All lie under HKLM, for every user.
#include "system/ProgramLocation.h"
#include "system/RegistryUpdate.h"

void WriteHandlerEntries(const ProgramLocation& program, RegistryUpdate& update);
// Removes every one of them; the "Open with" list of a type loses the
// program's entry, and the list itself goes only when that leaves it empty.
void RemoveHandlerEntries();
