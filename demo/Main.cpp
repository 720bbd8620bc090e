// LMDEMO.EXE: shows one scrolling-message (".SCM") or credit-box (".CMS")
// file in a picture control, e.g.  LMDEMO samples\hello.scm
#include <windows.h>

#include <exception>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "demo/MessageDemoForm.h"
#include "framework/Application.h"
#include "framework/Dialogs.h"
#include "framework/ErrorText.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    try {
        Application().SetTitle(TMessageDemoForm::kCaption);
        const std::vector<std::string> arguments = SplitCommandLine(::GetCommandLineA());
        if (arguments.size() < 2) {
            MessageDlg("Usage: LMDEMO <message file>.SCM or LMDEMO <credit file>.CMS", mtInformation, mbOK);
            return 2;
        }
        TMessageDemoForm form(arguments[1]);
        Application().Run();
        return 0;
    } catch (const std::exception& error) {
        ShowFatalErrorBox(WithFinalPeriod(error.what()));
        return 1;
    }
}
