#pragma once
#include "system/ProgramLocation.h"

// Where the running program lies, from its own module file name.
ProgramLocation ThisProgram();
