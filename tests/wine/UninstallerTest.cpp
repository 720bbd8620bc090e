// LMUNINST.EXE as a process on scratch folders, and the whole uninstall from
// the program's "-u" to the removed program folder.

#include "ProcessTestSupport.h"
#include "framework/Files.h"
#include "system/EntryTexts.h"
#include "system/FileBytes.h"
#include "system/Registration.h"
#include "system/Registry.h"
#include "system/RunningProgram.h"
#include "system/UninstallLog.h"
#include "system/WindowsShell.h"

namespace {

struct Finished {
    DWORD exitCode;
    std::vector<std::string> messages;  // the message boxes it showed, closed with OK
};

Finished RunUninstaller(const std::string& arguments)
{
    Process uninstaller("\"" LUMO_UNINSTALLER_PATH "\" " + arguments);
    EXPECT_TRUE(uninstaller.Started());
    std::vector<std::string> messages = uninstaller.AnswerUntilEnd();
    return {uninstaller.Wait(0), messages};
}

std::string LogNaming(const std::string& madeDir, const std::vector<std::string>& files)
{
    std::string text = "*** Installation Started 1/1/96 00:00 ***\r\nTitle: T\r\nSource: A:\\X.EXE\r\n"
                       "Made Dir: " + madeDir + "\r\n";
    for (const std::string& file : files)
        text += "File Copy: " + file + "\r\n";
    return text;
}

// root\Program is the logged program folder.
class Uninstaller : public ::testing::Test {
protected:
    Uninstaller() { root.Folder("Program"); }

    std::string Program(const std::string& name = {}) const { return name.empty() ? root / "Program" : root / ("Program\\" + name); }
    void Put(const std::string& path) const { ASSERT_TRUE(WriteFileBytes(path, "content")); }
    void InstallProgram() const
    {
        const std::string built = LUMO_PROGRAM_PATH;
        const std::string folder = built.substr(0, built.find_last_of("\\/") + 1);
        for (const char* name : {"LUMSC32.EXE", "PICDEC32.DLL"})
            if (FileExists(folder + name)) {
                ASSERT_TRUE(::CopyFileA((folder + name).c_str(), Program(name).c_str(), FALSE));
            }
    }

    ScratchFolder root{"lumo uninstaller"};
    const std::string log = root / "LMUNINST.LOG";
};

} // namespace

TEST_F(Uninstaller, DeletesOnlyTheListedFilesDirectlyInTheLoggedFolder)
{
    for (const char* name : {"LUMSC32.EXE", "PICDEC32.DLL", "KEEP.TXT"})
        Put(Program(name));
    root.Folder("Program\\SUB");
    Put(Program("SUB\\A.TXT"));
    Put(root / "OUTSIDE.TXT");
    ASSERT_TRUE(WriteFileBytes(log, LogNaming(Program(), {Program("lumsc32.exe"), Program("PICDEC32.DLL"),
                                                          Program("LUMSC32.HLP"), root / "OUTSIDE.TXT",
                                                          Program("..\\OUTSIDE.TXT"), Program("SUB\\A.TXT")})));

    Finished finished = RunUninstaller(log);
    EXPECT_EQ(finished.exitCode, 1u);
    EXPECT_FALSE(Exists(Program("LUMSC32.EXE")));
    EXPECT_FALSE(Exists(Program("PICDEC32.DLL")));
    for (const std::string& kept : {Program("KEEP.TXT"), Program("SUB\\A.TXT"), root / "OUTSIDE.TXT"})
        EXPECT_TRUE(Exists(kept)) << kept;
    EXPECT_FALSE(Exists(log));
    ASSERT_EQ(finished.messages.size(), 1u);
    const std::string& report = finished.messages[0];
    for (std::string kept : {root / "OUTSIDE.TXT", Program("..\\OUTSIDE.TXT"), Program("SUB\\A.TXT"), Program() + " ("})
        EXPECT_NE(report.find(kept), std::string::npos) << kept << " in " << report;
    EXPECT_EQ(report.find("HLP"), std::string::npos) << report;  // never installed: nothing to report
}

TEST_F(Uninstaller, AForgedLogCannotMakeItDeleteAUsersFile)
{
    root.Folder("Documents");
    const struct {
        std::string madeDir;
        std::string file;
    } cases[] = {
        {root / "Documents", root / "Documents\\thesis.doc"},
        {"C:", "C:\\LUMSC32.GID"},  // a program file's name, but in a drive's root
    };
    for (const auto& c : cases) {
        Put(c.file);
        ASSERT_TRUE(WriteFileBytes(log, LogNaming(c.madeDir, {c.file})));
        EXPECT_EQ(RunUninstaller(log).exitCode, 1u) << c.file;
        EXPECT_TRUE(Exists(c.file)) << c.file;
        EXPECT_TRUE(Exists(c.madeDir + "\\")) << c.madeDir;
        ::DeleteFileA(c.file.c_str());
    }
}

TEST_F(Uninstaller, RemovesTheEmptiedFolderAndTheLogWithoutAWord)
{
    Put(Program("LUMSC32.EXE"));
    Put(Program("UNINST.ICO"));
    ASSERT_TRUE(WriteFileBytes(log, UninstallLogText(Program())));

    Finished finished = RunUninstaller(log);
    EXPECT_EQ(finished.exitCode, 0u);
    EXPECT_TRUE(finished.messages.empty());
    EXPECT_FALSE(Exists(Program()));
    EXPECT_FALSE(Exists(log));
    EXPECT_TRUE(Exists(root.Path()));
}

TEST_F(Uninstaller, RefusesAnythingButAnUninstallLog)
{
    Put(Program("LUMSC32.EXE"));
    const std::string good = UninstallLogText(Program());
    for (const std::string& text : {good + "Delete: C:\\WINDOWS\r\n", good.substr(0, good.size() - 2),
                                    LogNaming(Program() + "\\..", {Program("LUMSC32.EXE")})}) {
        ASSERT_TRUE(WriteFileBytes(log, text));
        Finished finished = RunUninstaller(log);
        EXPECT_EQ(finished.exitCode, 2u) << text;
        EXPECT_EQ(finished.messages.size(), 1u) << text;
        EXPECT_TRUE(Exists(log)) << text;
    }
    EXPECT_EQ(RunUninstaller("").exitCode, 2u);
    EXPECT_EQ(RunUninstaller(root / "NO SUCH.LOG").exitCode, 2u);
    EXPECT_TRUE(Exists(Program("LUMSC32.EXE")));
}

TEST_F(Uninstaller, WaitsUntilTheProgramFromTheLoggedFolderHasEnded)
{
    InstallProgram();
    const std::string program = Program("LUMSC32.EXE");
    ASSERT_TRUE(WriteFileBytes(log, UninstallLogText(Program())));
    {
        Process running("\"" + program + "\"");
        HWND main = running.WaitForWindow("TForm1");
        ASSERT_TRUE(main);
        EXPECT_TRUE(IsProgramRunning(program));
        EXPECT_FALSE(IsProgramRunning(root / "LUMSC32.EXE"));
        EXPECT_FALSE(WaitUntilProgramEnds(program, 300));

        Process uninstaller("\"" LUMO_UNINSTALLER_PATH "\" " + log);
        ::Sleep(700);
        EXPECT_TRUE(uninstaller.Running());
        EXPECT_TRUE(Exists(program));
        ::PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(uninstaller.AnswerUntilEnd(10000).empty());
        EXPECT_EQ(uninstaller.Wait(0), 0u);
    }
    EXPECT_FALSE(Exists(Program()));
    EXPECT_TRUE(WaitUntilProgramEnds(program, 0));
    RemoveSystemEntries();  // the started program registered itself
}

TEST_F(Uninstaller, TheProgramsUninstallHandsOverAndTheProgramFolderGoes)
{
    InstallProgram();
    const std::string installed = GetWindowsDir() + "\\LMUNINST.EXE";
    const std::string windowsLog = GetWindowsDir() + "\\LMUNINST.LOG";
    ASSERT_FALSE(Exists(installed)) << "left from another run";
    ASSERT_TRUE(::CopyFileA(LUMO_UNINSTALLER_PATH, installed.c_str(), TRUE));
    {
        Process program("\"" + Program("LUMSC32.EXE") + "\" -u");
        EXPECT_EQ(program.AnswerMessage(IDYES),
                  "Lumoscope -32 is going to delete itself from your system.\rDo you want to proceed the Uninstall "
                  "process ?");
        EXPECT_EQ(program.AnswerMessage().substr(0, 44), "Lumoscope has deleted its Windows-Entries !\r");
        EXPECT_EQ(program.Wait(), 0u);
    }
    EXPECT_TRUE(WaitUntil([&] { return !Exists(Program()) && !Exists(windowsLog); }, 10000));
    EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, kAppPathsKey));
    // Deleted once the uninstaller has ended.
    EXPECT_TRUE(WaitUntil([&] { return ::DeleteFileA(installed.c_str()) != FALSE; }, 5000));
}
