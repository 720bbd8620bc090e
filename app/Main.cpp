#include <windows.h>

#include <exception>

#include "app/CommandLine.h"
#include "app/Startup.h"
#include "framework/Dialogs.h"
#include "framework/ErrorText.h"
#include "system/Elevation.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    try {
        return RunProgram(SplitCommandLine(::GetCommandLineA()), RunsElevated());
    } catch (const std::exception& error) {
        ShowFatalErrorBox(WithFinalPeriod(error.what()));
        return 1;
    }
}
