// The About and Help items of the main window's system menu.
#include "app/TForm1.h"
#include "framework/Application.h"
#include "framework/Dialogs.h"
#include "framework/Files.h"

void TForm1::ExtendSystemMenu()
{
    HMENU menu = ::GetSystemMenu(Handle(), FALSE);
    ::DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(menu, MF_STRING, kAboutCommand, "About &Lumoscope ...");
    ::AppendMenuA(menu, MF_STRING, kHelpCommand, "Lumoscope &Help");
    ::DrawMenuBar(Handle());
}

void TForm1::CheckHelpFiles()
{
    if (FileExists(Program.helpFile) && FileExists(Program.dir + "\\LUMSC32.CNT"))
        Application().SetHelpFile(Program.helpFile + ">Window1");
    else
        ::EnableMenuItem(::GetSystemMenu(Handle(), FALSE), kHelpCommand, MF_BYCOMMAND | MF_GRAYED);
}

void TForm1::AppMessage(MSG& message, bool& handled)
{
    if (message.message != WM_SYSCOMMAND)
        return;
    if (message.wParam == kAboutCommand) {
        handled = true;
        ShowAbout();
    } else if (message.wParam == kHelpCommand) {
        handled = true;
        ShowHelpContents();
    }
}

void TForm1::ShowAbout()
{
    MessageDlg(kAboutText, mtInformation, mbOK);
}

void TForm1::ShowHelpContents()
{
    Application().SetHelpFile(Program.helpFile + ">main");
    Application().HelpCommand(HELP_FINDER, 0);
    Application().SetHelpFile(Program.helpFile + ">Window1");
}
