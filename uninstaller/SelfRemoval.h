#pragma once
#include <string>

#include "uninstaller/Uninstaller.h"

// Runs the uninstall for the log at logPath and then removes this
// uninstaller as system/UninstallerPlace.h describes. The installed one
// ends at once with urDone once its copy runs; it does the uninstall itself,
// and has its file deleted at the next restart, only when no copy can be
// made or started. The installed file goes only after an uninstall that
// ran, so a refused log or a program still running leave it for another try.
UninstallerResult UninstallAndRemoveSelf(const std::string& logPath);
