// The uninstall's hand-over to LMUNINST.EXE, with a scratch folder in place
// of the Windows directory.

#include <shlobj.h>

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

// Only the setup's own log, beside a program that is not in a drive's root,
// has its group removed and is deleted; a group name that is not one folder
// of the Start menu is never acted on.
TEST(Uninstall, ActsOnlyOnTheSetupsOwnLogOutsideARoot)
{
    char programs[MAX_PATH] = {};
    ::SHGetFolderPathA(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
    const std::string name = "Lumoscope Test Group " + std::to_string(::GetCurrentProcessId());
    const std::string group = std::string(programs) + "\\" + name;
    const std::string own = "[Setup]\r\nProduct=Lumoscope32\r\n";
    const struct {
        const char* what;
        std::string log;
        bool root, ownLog, groupRemoved;
    } cases[] = {
        {"another program's log", "[Setup]\r\nProduct=Other\r\n[Group]\r\nName=" + name + "\r\nA.lnk=x\r\n", false,
         false, false},
        {"a log in a root", own + "[Group]\r\nName=" + name + "\r\nA.lnk=x\r\n", true, false, false},
        {"a group name outside the Start menu", own + "[Group]\r\nName=..\\" + name + "\r\nA.lnk=x\r\n", false,
         true, false},
        {"the setup's log", own + "[Group]\r\nName=" + name + "\r\nA.lnk=x\r\nB.txt=x\r\n", false, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder program("lumo-uninstall-program"), windows("lumo-uninstall-windows");
        ::CreateDirectoryA(group.c_str(), nullptr);
        for (const char* shortcut : {"\\A.lnk", "\\B.txt"})
            ::CloseHandle(::CreateFileA((group + shortcut).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        program.File("UNINST.LOG", c.log);
        ScratchDrive drive('Q', program.Path());
        DdeClient client;
        ScriptedDialogs dialogs;
        Uninstall(client, {c.root ? "Q:" : program.Path(), windows.Path(), "LumoSilentProgman"});
        EXPECT_EQ(Exists(program / "UNINST.LOG"), !c.ownLog);
        EXPECT_EQ(Exists(group + "\\A.lnk"), !c.groupRemoved);
        EXPECT_TRUE(Exists(group + "\\B.txt")) << "not a shortcut the log names";
        ScratchFolder::RemoveTree(group);
    }
}
