// The uninstall's hand-over: the uninstall log, the messages and the start
// of the uninstaller, with a scratch folder in place of the Windows directory.

#include "TestSupport.h"
#include "system/DdeClient.h"
#include "system/FileBytes.h"
#include "system/Uninstall.h"
#include "system/UninstallLog.h"

TEST(Uninstall, WritesTheLogBeforeItTellsTheUser)
{
    ScratchFolder windows("lumo-windows");
    windows.File("LMUNINST.EXE", "");  // present but no program: the shell's start fails, silently
    DdeClient client;
    ScriptedDialogs dialogs;
    std::optional<std::string> logWhenAsked;
    Application().SetDialogScript([&](const DialogRequest& request) {
        dialogs.requests.push_back(request);
        logWhenAsked = ReadFileBytes(windows / "LMUNINST.LOG");
        return DialogAnswer{mrOk, {}};
    });
    Uninstall(client, {"C:\\APPS", windows.Path()});

    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].caption, "Information");
    ExpectMessage(dialogs.requests[0],
                  "Lumoscope has deleted its Windows-Entries !\r\rTo delete the Program-Path of Lumoscope,\r"
                  "Lumoscope have to close itself and run LMUNINST.EXE,\rwhich will delete the Lumoscope-Files "
                  "from your Drive.\r\rPress OK to run LMUNINST.EXE",
                  mtInformation, mbOK);
    EXPECT_EQ(logWhenAsked, UninstallLogText("C:\\APPS"));
}

// Without the uninstaller, or without a log it can write, the uninstall
// tells where the files are; an old log is left empty.
TEST(Uninstall, ThatCannotHandOverTellsWhereTheFilesAre)
{
    for (bool uninstallerMissing : {true, false}) {
        SCOPED_TRACE(uninstallerMissing ? "no LMUNINST.EXE" : "no folder for the log");
        ScratchFolder windows("lumo-windows");
        windows.File(uninstallerMissing ? "LMUNINST.LOG" : "LMUNINST.EXE", "an old log");
        const std::string folder = uninstallerMissing ? windows.Path() : windows / "missing";
        DdeClient client;
        ScriptedDialogs dialogs;
        Uninstall(client, {"C:\\APPS", folder});
        ASSERT_EQ(dialogs.requests.size(), 1u);
        EXPECT_EQ(dialogs.requests[0].caption, "Fehler");
        ExpectMessage(dialogs.requests[0],
                      "Error running LMUNINST.EXE with the LOG-File !\r\rTo finish the Unistall Process you have to "
                      "delete,\rthe Program-Path of Lumoscope manually.\rThe Files are located in the Path: "
                      "C:\\APPS\r\r",
                      mtError, mbOK);
        EXPECT_EQ(ReadFileBytes(folder + "\\LMUNINST.LOG"), uninstallerMissing ? std::optional<std::string>("") : std::nullopt);
    }
}
