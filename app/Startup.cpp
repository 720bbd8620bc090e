#include "app/Startup.h"

#include <windows.h>

#include "app/CommandLine.h"
#include "app/CommandLinePicture.h"
#include "app/TForm1.h"
#include "app/TForm2.h"
#include "framework/Application.h"
#include "framework/Dialogs.h"
#include "system/DdeClient.h"
#include "system/ProgramPaths.h"
#include "system/Registration.h"
#include "system/Uninstall.h"
#include "system/WindowsShell.h"

bool ConfirmUninstall()
{
    return MessageDlg(kUninstallQuestion, mtConfirmation, mbYes | mbNo) == mrYes;
}

int RunProgram(const std::vector<std::string>& commandLine, bool elevated)
{
    const DdeClient ddeClient;
    // The shell's entries are written at every start, even one that goes on
    // to uninstall.
    const ProgramLocation program = ThisProgram();
    WriteSystemEntries(program);
    Application().ProcessMessages();
    const std::string firstArgument = commandLine.size() > 1 ? commandLine[1] : std::string();
    if (IsRegisterSwitch(firstArgument))
        return 0;
    if (IsUninstallSwitch(firstArgument)) {
        if (ConfirmUninstall()) {
            Uninstall(ddeClient, {program.dir, GetWindowsDir()});
            return 0;
        }
        if (elevated)
            return 0;
    }
    TForm1 form1(program);
    TForm2 form2(form1.PicView1);
    form1.Form2 = &form2;
    OpenCommandLinePicture(form1, firstArgument);
    Application().Run();
    return 0;
}
