#pragma once
#include <string>
#include <vector>

// The program body: registration, the uninstall question, the main window,
// the command-line picture and the message loop. Returns the exit code.
// elevated tells whether the program runs with administrator rights: a
// viewer whose "-U" was declined then ends, since the user asked for those
// rights only to uninstall.
int RunProgram(const std::vector<std::string>& commandLine, bool elevated);

// The question beep and the Yes/No question; true on Yes.
bool ConfirmUninstall();

constexpr const char* kUninstallQuestion =
    "Lumoscope -32 is going to delete itself from your system.\rDo you want to proceed the Uninstall process ?";
