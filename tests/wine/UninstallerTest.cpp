// LMUNINST.EXE as a process on scratch folders, and the whole uninstall from
// the program's "-u" to the removed program folder.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/Files.h"
#include "system/EntryTexts.h"
#include "system/FileBytes.h"
#include "system/Registration.h"
#include "system/RunningProgram.h"
#include "system/UninstallLog.h"
#include "system/WindowsShell.h"

namespace {

struct Finished {
    DWORD exitCode = STILL_ACTIVE;
    std::vector<std::string> messages;  // the message boxes it showed, closed with OK
};

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (process == search->process && std::string(className) == "#32770" && ::IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND VisibleDialogOf(DWORD process)
{
    Search search{process, nullptr};
    ::EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class Process {
public:
    explicit Process(const std::string& commandLine)
    {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string line = commandLine;
        PROCESS_INFORMATION started{};
        if (::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
            process_.reset(started.hProcess);
            UniqueKernelHandle thread(started.hThread);
            id_ = started.dwProcessId;
        }
    }
    ~Process()
    {
        if (process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT)
            ::TerminateProcess(process_.get(), 99);
    }
    bool Started() const { return static_cast<bool>(process_); }
    bool Running() const { return ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

    // The next message box's text; the box is closed with OK.
    std::string AnswerMessage(int button = IDOK, DWORD timeout = 10000)
    {
        for (DWORD waited = 0; waited < timeout && Running(); waited += 10, ::Sleep(10))
            if (HWND dialog = VisibleDialogOf(id_)) {
                std::string text = TextOf(::GetDlgItem(dialog, 0xFFFF));
                ::PostMessageA(::GetDlgItem(dialog, button), BM_CLICK, 0, 0);
                for (int i = 0; i < 200 && ::IsWindow(dialog); ++i)
                    ::Sleep(10);
                return text;
            }
        return "<no message>";
    }

    // Waits for the end, answering every message box with OK.
    Finished Finish(DWORD timeout = 40000)
    {
        Finished finished;
        for (DWORD waited = 0; waited < timeout && Running(); waited += 10, ::Sleep(10))
            if (VisibleDialogOf(id_))
                finished.messages.push_back(AnswerMessage());
        ::GetExitCodeProcess(process_.get(), &finished.exitCode);
        return finished;
    }

    HWND WaitForWindow(const char* className)
    {
        for (int i = 0; i < 1000 && Running(); ++i, ::Sleep(10))
            for (HWND window = ::FindWindowA(className, nullptr); window;
                 window = ::FindWindowExA(nullptr, window, className, nullptr)) {
                DWORD process = 0;
                ::GetWindowThreadProcessId(window, &process);
                if (process == id_)
                    return window;
            }
        return nullptr;
    }

private:
    UniqueKernelHandle process_;
    DWORD id_ = 0;
};

Finished RunUninstaller(const std::string& arguments)
{
    Process uninstaller("\"" LUMO_UNINSTALLER_PATH "\" " + arguments);
    EXPECT_TRUE(uninstaller.Started());
    return uninstaller.Finish();
}

void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA entry;
    UniqueFind find(::FindFirstFileA((path + "\\*").c_str(), &entry));
    if (find)
        do {
            std::string name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path + "\\" + name);
            else
                ::DeleteFileA((path + "\\" + name).c_str());
        } while (::FindNextFileA(find.get(), &entry));
    find.reset();
    ::RemoveDirectoryA(path.c_str());
}

// root\Program is the logged program folder.
class ScratchInstall {
public:
    ScratchInstall()
    {
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        root_ = std::string(temp) + "lumo uninstaller " + std::to_string(::GetCurrentProcessId());
        RemoveTree(root_);
        ::CreateDirectoryA(root_.c_str(), nullptr);
        ::CreateDirectoryA(Program().c_str(), nullptr);
    }
    ~ScratchInstall() { RemoveTree(root_); }

    std::string Root(const char* name = nullptr) const { return name ? root_ + "\\" + name : root_; }
    std::string Program(const char* name = nullptr) const
    {
        return name ? root_ + "\\Program\\" + name : root_ + "\\Program";
    }
    void Put(const std::string& path) const { ASSERT_TRUE(WriteFileBytes(path, "content")); }
    std::string Log() const { return Root("LMUNINST.LOG"); }

private:
    std::string root_;
};

std::string LogNaming(const std::string& madeDir, const std::vector<std::string>& files)
{
    std::string text = "*** Installation Started 1/1/96 00:00 ***\r\nTitle: T\r\nSource: A:\\X.EXE\r\n"
                       "Made Dir: " + madeDir + "\r\n";
    for (const std::string& file : files)
        text += "File Copy: " + file + "\r\n";
    return text;
}

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void CopyBesideProgram(const char* name, const std::string& directory)
{
    std::string program = LUMO_PROGRAM_PATH;
    std::string source = program.substr(0, program.find_last_of("\\/") + 1) + name;
    if (FileExists(source)) {
        ASSERT_TRUE(::CopyFileA(source.c_str(), (directory + "\\" + name).c_str(), FALSE));
    }
}

} // namespace

TEST(Uninstaller, DeletesOnlyTheListedFilesDirectlyInTheLoggedFolder)
{
    ScratchInstall scratch;
    for (const char* name : {"LUMSC32.EXE", "PICDEC32.DLL", "KEEP.TXT"})
        scratch.Put(scratch.Program(name));
    ::CreateDirectoryA(scratch.Program("SUB").c_str(), nullptr);
    scratch.Put(scratch.Program("SUB\\A.TXT"));
    scratch.Put(scratch.Root("OUTSIDE.TXT"));
    ASSERT_TRUE(WriteFileBytes(scratch.Log(), LogNaming(scratch.Program(), {
        scratch.Program("lumsc32.exe"), scratch.Program("PICDEC32.DLL"), scratch.Program("LUMSC32.HLP"),
        scratch.Root("OUTSIDE.TXT"), scratch.Program("..\\OUTSIDE.TXT"), scratch.Program("SUB\\A.TXT")})));

    Finished finished = RunUninstaller(scratch.Log());
    EXPECT_EQ(finished.exitCode, 1u);
    EXPECT_FALSE(Exists(scratch.Program("LUMSC32.EXE")));
    EXPECT_FALSE(Exists(scratch.Program("PICDEC32.DLL")));
    EXPECT_TRUE(Exists(scratch.Program("KEEP.TXT")));
    EXPECT_TRUE(Exists(scratch.Program("SUB\\A.TXT")));
    EXPECT_TRUE(Exists(scratch.Root("OUTSIDE.TXT")));
    EXPECT_FALSE(Exists(scratch.Log()));
    ASSERT_EQ(finished.messages.size(), 1u);
    const std::string& report = finished.messages[0];
    for (std::string kept : {scratch.Root("OUTSIDE.TXT"), scratch.Program("..\\OUTSIDE.TXT"),
                             scratch.Program("SUB\\A.TXT"), scratch.Program() + " ("})
        EXPECT_NE(report.find(kept), std::string::npos) << kept << " in " << report;
    EXPECT_EQ(report.find("HLP"), std::string::npos) << report;  // never installed: nothing to report
}

TEST(Uninstaller, AForgedLogCannotMakeItDeleteAUsersFile)
{
    ScratchInstall scratch;
    const std::string documents = scratch.Root("Documents");
    ::CreateDirectoryA(documents.c_str(), nullptr);
    const struct {
        std::string madeDir;
        std::string file;
    } cases[] = {
        {documents, documents + "\\thesis.doc"},
        {"C:", "C:\\LUMSC32.GID"},  // a program file's name, but in a drive's root
    };
    for (const auto& c : cases) {
        scratch.Put(c.file);
        ASSERT_TRUE(WriteFileBytes(scratch.Log(), LogNaming(c.madeDir, {c.file})));
        Finished finished = RunUninstaller(scratch.Log());
        EXPECT_EQ(finished.exitCode, 1u) << c.file;
        EXPECT_TRUE(Exists(c.file)) << c.file;
        EXPECT_TRUE(Exists(c.madeDir + "\\")) << c.madeDir;
        ::DeleteFileA(c.file.c_str());
    }
}

TEST(Uninstaller, RemovesTheEmptiedFolderAndTheLogWithoutAWord)
{
    ScratchInstall scratch;
    scratch.Put(scratch.Program("LUMSC32.EXE"));
    scratch.Put(scratch.Program("UNINST.ICO"));
    ASSERT_TRUE(WriteFileBytes(scratch.Log(), UninstallLogText(scratch.Program())));

    Finished finished = RunUninstaller(scratch.Log());
    EXPECT_EQ(finished.exitCode, 0u);
    EXPECT_TRUE(finished.messages.empty());
    EXPECT_FALSE(Exists(scratch.Program()));
    EXPECT_FALSE(Exists(scratch.Log()));
    EXPECT_TRUE(Exists(scratch.Root()));
}

TEST(Uninstaller, RefusesAnythingButAnUninstallLog)
{
    ScratchInstall scratch;
    scratch.Put(scratch.Program("LUMSC32.EXE"));
    const std::string good = UninstallLogText(scratch.Program());
    for (const std::string& text : {good + "Delete: C:\\WINDOWS\r\n", good.substr(0, good.size() - 2),
                                    LogNaming(scratch.Program() + "\\..", {scratch.Program("LUMSC32.EXE")})}) {
        ASSERT_TRUE(WriteFileBytes(scratch.Log(), text));
        Finished finished = RunUninstaller(scratch.Log());
        EXPECT_EQ(finished.exitCode, 2u) << text;
        EXPECT_EQ(finished.messages.size(), 1u) << text;
        EXPECT_TRUE(Exists(scratch.Program("LUMSC32.EXE"))) << text;
        EXPECT_TRUE(Exists(scratch.Log())) << text;
    }
    Finished withoutLog = RunUninstaller("");
    EXPECT_EQ(withoutLog.exitCode, 2u);
    Finished missingLog = RunUninstaller(scratch.Root("NO SUCH.LOG"));
    EXPECT_EQ(missingLog.exitCode, 2u);
    EXPECT_TRUE(Exists(scratch.Program("LUMSC32.EXE")));
}

TEST(Uninstaller, WaitsUntilTheProgramFromTheLoggedFolderHasEnded)
{
    ScratchInstall scratch;
    CopyBesideProgram("LUMSC32.EXE", scratch.Program());
    CopyBesideProgram("PICDEC32.DLL", scratch.Program());
    const std::string program = scratch.Program("LUMSC32.EXE");
    ASSERT_TRUE(WriteFileBytes(scratch.Log(), UninstallLogText(scratch.Program())));
    {
        Process running("\"" + program + "\"");
        HWND main = running.WaitForWindow("TForm1");
        ASSERT_TRUE(main);
        EXPECT_TRUE(IsProgramRunning(program));
        EXPECT_FALSE(IsProgramRunning(scratch.Root("LUMSC32.EXE")));
        EXPECT_FALSE(WaitUntilProgramEnds(program, 300));

        Process uninstaller("\"" LUMO_UNINSTALLER_PATH "\" " + scratch.Log());
        ::Sleep(700);
        EXPECT_TRUE(uninstaller.Running());
        EXPECT_TRUE(Exists(program));
        ::PostMessageA(main, WM_CLOSE, 0, 0);
        Finished finished = uninstaller.Finish(10000);
        EXPECT_EQ(finished.exitCode, 0u);
        EXPECT_TRUE(finished.messages.empty());
    }
    EXPECT_FALSE(Exists(scratch.Program()));
    EXPECT_TRUE(WaitUntilProgramEnds(program, 0));
    RemoveSystemEntries();  // the started program registered itself
}

TEST(Uninstaller, TheProgramsUninstallHandsOverAndTheProgramFolderGoes)
{
    ScratchInstall scratch;
    CopyBesideProgram("LUMSC32.EXE", scratch.Program());
    CopyBesideProgram("PICDEC32.DLL", scratch.Program());
    const std::string installed = GetWindowsDir() + "\\LMUNINST.EXE";
    const std::string log = GetWindowsDir() + "\\LMUNINST.LOG";
    ASSERT_FALSE(Exists(installed)) << "left from another run";
    ASSERT_TRUE(::CopyFileA(LUMO_UNINSTALLER_PATH, installed.c_str(), TRUE));
    {
        Process program("\"" + scratch.Program("LUMSC32.EXE") + "\" -u");
        EXPECT_EQ(program.AnswerMessage(IDYES),
                  "Lumoscope -32 is going to delete itself from your system.\rDo you want to proceed the Uninstall "
                  "process ?");
        EXPECT_EQ(program.AnswerMessage().substr(0, 44), "Lumoscope has deleted its Windows-Entries !\r");
        EXPECT_EQ(program.Finish(10000).exitCode, 0u);
    }
    for (int i = 0; i < 1000 && (Exists(scratch.Program()) || Exists(log)); ++i)
        ::Sleep(10);
    EXPECT_FALSE(Exists(scratch.Program()));
    EXPECT_FALSE(Exists(log));
    HKEY key = nullptr;
    EXPECT_NE(::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kAppPathsKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    for (int i = 0; i < 500 && !::DeleteFileA(installed.c_str()); ++i)  // until the uninstaller has ended
        ::Sleep(10);
    EXPECT_FALSE(Exists(installed));
}
