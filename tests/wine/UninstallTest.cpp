// The uninstall's hand-over: the uninstall log, the messages and the start
// of the uninstaller, with a scratch folder in place of the Windows directory.

#include "TestSupport.h"
#include "framework/Files.h"
#include "system/DdeClient.h"
#include "system/FileBytes.h"
#include "system/Uninstall.h"

namespace {

const char* const kLogForApps = "*** Installation Started 1/1/96 00:00 ***\r\n"
                                "Title: Lumoscope 1.1 -32 Installation\r\n"
                                "Source: A:\\INST32.EXE\r\n"
                                "Made Dir: C:\\APPS\r\n"
                                "File Copy: C:\\APPS\\LUMSC32.EXE\r\n"
                                "File Copy: C:\\APPS\\LUMSC32.HLP\r\n"
                                "File Copy: C:\\APPS\\LUMSC32.CNT\r\n"
                                "File Copy: C:\\APPS\\LUMSC32.GID\r\n"
                                "File Copy: C:\\APPS\\UNINST.ICO\r\n"
                                "File Copy: C:\\APPS\\PICDEC32.DLL\r\n";

const char* const kErrorText = "Error running LMUNINST.EXE with the LOG-File !\r\r"
                               "To finish the Unistall Process you have to delete,\r"
                               "the Program-Path of Lumoscope manually.\r"
                               "The Files are located in the Path: C:\\APPS\r\r";

} // namespace

TEST(Uninstall, WritesTheTenLineLogBeforeItTellsTheUser)
{
    ScratchFolder windows("lumo-windows");
    // Present but no program: the shell's start fails, silently.
    ASSERT_TRUE(WriteFileBytes((windows / "LMUNINST.EXE"), ""));
    DdeClient client;
    ScriptedDialogs dialogs;
    std::optional<std::string> logWhenAsked;
    Application().SetDialogScript([&](const DialogRequest& request) {
        dialogs.requests.push_back(request);
        logWhenAsked = ReadFileBytes((windows / "LMUNINST.LOG"));
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
    EXPECT_EQ(logWhenAsked, kLogForApps);
    EXPECT_EQ(ReadFileBytes((windows / "LMUNINST.LOG")), kLogForApps);
}

// Without the uninstaller, or without a log it can write, the uninstall
// tells where the files are; an old log is left empty.
TEST(Uninstall, ThatCannotHandOverTellsWhereTheFilesAre)
{
    for (bool uninstallerMissing : {true, false}) {
        SCOPED_TRACE(uninstallerMissing ? "no LMUNINST.EXE" : "no folder for the log");
        ScratchFolder windows("lumo-windows");
        ASSERT_TRUE(WriteFileBytes((windows / (uninstallerMissing ? "LMUNINST.LOG" : "LMUNINST.EXE")), "an old log"));
        const std::string folder = uninstallerMissing ? windows.Path() : windows / "missing";
        DdeClient client;
        ScriptedDialogs dialogs;
        Uninstall(client, {"C:\\APPS", folder});
        ASSERT_EQ(dialogs.requests.size(), 1u);
        EXPECT_EQ(dialogs.requests[0].kind, DialogRequest::Message);
        EXPECT_EQ(dialogs.requests[0].caption, "Fehler");
        ExpectMessage(dialogs.requests[0], kErrorText, mtError, mbOK);
        const std::optional<std::string> log = ReadFileBytes(folder + "\\LMUNINST.LOG");
        EXPECT_EQ(log, uninstallerMissing ? std::optional<std::string>("") : std::nullopt);
    }
}
