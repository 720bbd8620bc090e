#include <windows.h>

#include "system/SoleArgument.h"
#include "uninstaller/Uninstaller.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return RunUninstaller(SoleArgument(::GetCommandLineA()));
}
