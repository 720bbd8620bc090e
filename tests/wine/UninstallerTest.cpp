// LMUNINST.EXE as a process on scratch folders.

#include "ProcessTestSupport.h"
#include "system/EntryTexts.h"
#include "system/Registration.h"
#include "system/Registry.h"
#include "system/RunningProgram.h"
#include "system/UninstallLog.h"

namespace {

// The exit code, and the texts of the message boxes it showed, closed with OK.
std::pair<DWORD, std::vector<std::string>> RunUninstaller(const std::string& arguments)
{
    Process uninstaller("\"" LUMO_UNINSTALLER_PATH "\" " + arguments);
    std::vector<std::string> messages = uninstaller.AnswerUntilEnd();
    return {uninstaller.Wait(0), messages};
}

// root\Program is the logged program folder.
class Uninstaller : public ::testing::Test {
protected:
    Uninstaller() { root.Folder("Program"); }

    std::string Program(const std::string& name = {}) const
    {
        return root / ("Program" + (name.empty() ? "" : "\\" + name));
    }

    ScratchFolder root{"lumo uninstaller"};
    const std::string log = root / "LMUNINST.LOG";
};

} // namespace

// A forged log may name a user's file, in the logged folder or elsewhere:
// only the program's own files go, the rest is reported and the folder stays.
// A program file that was never installed is not worth a word.
TEST_F(Uninstaller, AForgedLogCannotMakeItDeleteAUsersFile)
{
    root.Fill({"Program\\LUMSC32.EXE", "Program\\thesis.doc", "OUTSIDE.TXT"});
    root.File("LMUNINST.LOG", "*** Installation Started 1/1/96 00:00 ***\r\nTitle: T\r\nSource: A:\\X.EXE\r\n"
                              "Made Dir: " + Program() + "\r\nFile Copy: " + Program("lumsc32.exe") + "\r\nFile Copy: " +
                              Program("LUMSC32.HLP") + "\r\nFile Copy: " + Program("thesis.doc") + "\r\nFile Copy: " +
                              root / "OUTSIDE.TXT" + "\r\n");

    const auto [exitCode, messages] = RunUninstaller(log);
    EXPECT_EQ(exitCode, 1u);
    EXPECT_FALSE(Exists(Program("LUMSC32.EXE")));
    EXPECT_TRUE(Exists(Program("thesis.doc")));
    EXPECT_TRUE(Exists(root / "OUTSIDE.TXT"));
    EXPECT_FALSE(Exists(log));
    EXPECT_EQ(messages, std::vector<std::string>{
                            "Lumoscope did not delete everything:\r\n\r\n" + Program("thesis.doc") +
                            " (not a file of Lumoscope, left alone)\r\n" + root / "OUTSIDE.TXT" + " (not in " +
                            Program() + ", left alone)\r\n" + Program() + " (holds other files, left alone)"});
}

// Anything but an uninstall log, or none, changes nothing.
TEST_F(Uninstaller, RefusesAnythingButAnUninstallLogAndRemovesTheEmptiedFolderWithoutAWord)
{
    root.Fill({"Program\\LUMSC32.EXE", "Program\\UNINST.ICO"});
    root.File("LMUNINST.LOG", UninstallLogText(Program()) + "Delete: C:\\WINDOWS\r\n");
    for (const std::string& argument : {log, std::string()}) {
        const auto [exitCode, messages] = RunUninstaller(argument);
        EXPECT_EQ(exitCode, 2u) << argument;
        EXPECT_EQ(messages, std::vector<std::string>{"LMUNINST.EXE needs the uninstall log of Lumoscope as its only "
                                                     "argument.\r\n\r\n\"" + argument +
                                                     "\" is not such a log; nothing was deleted."});
    }
    EXPECT_TRUE(Exists(Program("LUMSC32.EXE")));

    root.File("LMUNINST.LOG", UninstallLogText(Program()));
    EXPECT_EQ(RunUninstaller(log), std::make_pair(DWORD{0}, std::vector<std::string>{}));
    EXPECT_FALSE(Exists(Program()));
    EXPECT_FALSE(Exists(log));
    EXPECT_TRUE(Exists(root.Path()));
}

// The program started from the logged folder registers itself, and holds
// the uninstaller up until it ends; one of that name elsewhere does not.
TEST_F(Uninstaller, WaitsUntilTheProgramFromTheLoggedFolderHasEnded)
{
    const std::string built = LUMO_PROGRAM_PATH, program = Program("LUMSC32.EXE");
    for (const char* name : {"LUMSC32.EXE", "PICDEC32.DLL"})  // beside the built program
        ASSERT_TRUE(::CopyFileA((built.substr(0, built.size() - 11) + name).c_str(), Program(name).c_str(), FALSE));
    root.File("LMUNINST.LOG", UninstallLogText(Program()));
    {
        Process running("\"" + program + "\"");
        HWND main = running.WaitForWindow("TForm1");
        ASSERT_TRUE(main);
        EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, kAppPathsKey, ""), program);
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
    RemoveSystemEntries();
}
