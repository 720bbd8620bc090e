#include <windows.h>

#include "system/SoleArgument.h"
#include "system/WindowsShell.h"
#include "uninstaller/SelfRemoval.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // Started from the program's shortcut, the current directory is the
    // program folder, and no folder that is a current directory can go.
    ::SetCurrentDirectoryA(GetWindowsDir().c_str());
    return UninstallAndRemoveSelf(SoleArgument(::GetCommandLineA()));
}
