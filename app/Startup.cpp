#include "app/Startup.h"

#include <windows.h>

#include "app/CommandLine.h"
#include "app/CommandLinePicture.h"
#include "app/TForm1.h"
#include "app/TForm2.h"
#include "framework/Application.h"
#include "framework/Dialogs.h"
#include "system/SystemEntries.h"

bool ConfirmUninstall()
{
    return MessageDlg(kUninstallQuestion, mtConfirmation, mbYes | mbNo) == mrYes;
}

int RunProgram(const std::vector<std::string>& commandLine)
{
    const DdeClient ddeClient;
    RegisterSystemEntries();
    const std::string firstArgument = commandLine.size() > 1 ? commandLine[1] : std::string();
    if (IsUninstallSwitch(firstArgument) && ConfirmUninstall()) {
        UninstallSystemEntries(ddeClient);
        return 0;
    }
    TForm1 form1;
    TForm2 form2(form1.PicView1);
    form1.Form2 = &form2;
    OpenCommandLinePicture(form1, firstArgument);
    Application().Run();
    return 0;
}
