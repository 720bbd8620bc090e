// The uninstall's hand-over to LMUNINST.EXE, with a scratch folder in place
// of the Windows directory.

#include "ProcessTestSupport.h"
#include "system/DdeClient.h"
#include "system/FileBytes.h"
#include "system/Uninstall.h"
#include "system/UninstallLog.h"

// With the uninstaller (here no program: the shell's start fails, silently)
// and a log it can write, the log is handed over; else the user learns where
// the files are, and an old log is left empty. Without the installer's log
// the program manager is not asked to delete a group (or started for that).
TEST(Uninstall, HandsOverTheLogOrTellsWhereTheFilesAre)
{
    const std::string information =
        "Lumoscope has deleted its Windows-Entries !\r\rTo delete the Program-Path of Lumoscope,\rLumoscope have to "
        "close itself and run LMUNINST.EXE,\rwhich will delete the Lumoscope-Files from your Drive.\r\rPress OK to "
        "run LMUNINST.EXE";
    const std::string error = "Error running LMUNINST.EXE with the LOG-File !\r\rTo finish the Unistall Process you "
                              "have to delete,\rthe Program-Path of Lumoscope manually.\rThe Files are located in "
                              "the Path: C:\\APPS\r\r";
    const struct {
        const char *present, *logFolder;
        std::optional<std::string> log;
    } cases[] = {
        {"LMUNINST.EXE", "", UninstallLogText("C:\\APPS")},
        {"LMUNINST.LOG", "", ""},
        {"LMUNINST.EXE", "\\missing", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.present) + c.logFolder);
        ScratchFolder windows("lumo-windows");
        windows.File(c.present, "an old log");
        DdeClient client;
        ScriptedDialogs dialogs;
        Uninstall(client, {"C:\\APPS", windows.Path() + c.logFolder, "LumoSilentProgman"});
        EXPECT_TRUE(ProcessesNamed("LumoSilentProgman.exe").empty());
        const bool given = c.log && !c.log->empty();
        ASSERT_EQ(dialogs.requests.size(), 1u);
        EXPECT_EQ(dialogs.requests[0].caption, given ? "Information" : "Fehler");
        ExpectMessage(dialogs.requests[0], given ? information : error, given ? mtInformation : mtError, mbOK);
        EXPECT_EQ(ReadFileBytes(windows.Path() + c.logFolder + "\\LMUNINST.LOG"), c.log);
    }
}
