#pragma once
// What LMUNINST.EXE may delete for an uninstall log: only the program's own
// files directly inside the logged folder, never anything in a root, and
// the folder itself (which the file system removes only when it is empty).
#include <string>
#include <vector>

#include "system/UninstallLog.h"

struct ProgramRemoval {
    std::vector<std::string> files;    // to delete
    std::vector<std::string> refused;  // every other logged file, followed by the reason in parentheses
    std::string folder;                // to remove; empty when the logged folder is a root
};

ProgramRemoval PlanProgramRemoval(const UninstallLog& log);
