#pragma once
#include <string>

class DdeClient;

inline constexpr const char* kUninstallInformation =
    "Lumoscope has deleted its Windows-Entries !\r\rTo delete the Program-Path of Lumoscope,\r"
    "Lumoscope have to close itself and run LMUNINST.EXE,\rwhich will delete the Lumoscope-Files from your "
    "Drive.\r\rPress OK to run LMUNINST.EXE";
// Followed by the program directory and two carriage returns.
inline constexpr const char* kUninstallError =
    "Error running LMUNINST.EXE with the LOG-File !\r\rTo finish the Unistall Process you have to delete,\r"
    "the Program-Path of Lumoscope manually.\rThe Files are located in the Path: ";

struct UninstallPlace {
    std::string programDir;                    // holds the installer log UNINST.LOG
    std::string windowsDir;                    // receives LMUNINST.LOG, holds LMUNINST.EXE
    std::string programManager = "Progman";    // its DDE service name, and its program's in windowsDir
};

// Removes the registry and WIN.INI entries, the program group when the
// setup left its own log (and the program is not in a root), writes the
// uninstall log and hands it to the uninstaller, or tells the user where
// the files remain.
void Uninstall(const DdeClient& client, const UninstallPlace& place);
