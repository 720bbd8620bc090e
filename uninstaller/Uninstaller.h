#pragma once
// LMUNINST.EXE, started by the program's uninstall with the log's path as
// its sole argument, works in the Windows folder whatever folder it was
// started in, and the installed one removes itself when it is done
// (uninstaller/SelfRemoval.h).
#include <string>

// Exit codes of LMUNINST.EXE.
enum UninstallerResult { urDone = 0, urIncomplete = 1, urRefused = 2, urStillRunning = 3 };

// Removes the program's files named in the uninstall log at logPath: waits
// until the program from the logged directory has ended (at most 30 s),
// deletes the listed files of the program that lie directly in that
// directory (none in a root), the directory when it is then empty, and the
// log. Reports in a message box whatever it refused or could not delete.
UninstallerResult RunUninstaller(const std::string& logPath);
