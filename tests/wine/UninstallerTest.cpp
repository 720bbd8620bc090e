#include "ProcessTestSupport.h"
#include "system/EntryTexts.h"
#include "system/Registration.h"
#include "system/Registry.h"
#include "system/RunningProgram.h"
#include "system/UninstallLog.h"
#include "system/UninstallerPlace.h"
#include "system/WindowsShell.h"
#include "text/AsciiCase.h"

namespace {

using Texts = std::vector<std::string>;

constexpr const char* kSessionManager = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";
constexpr const char* kPendingRenames = "PendingFileRenameOperations";

// Source and target of each rename waiting for the next restart, in turn
// (an empty target deletes the source).
Texts PendingRenames()
{
    HKEY opened = nullptr;
    ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_QUERY_VALUE, &opened);
    UniqueRegKey key(opened);
    DWORD size = 0;
    if (!key || ::RegQueryValueExA(key.get(), kPendingRenames, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return {};
    std::string data(size, '\0');
    ::RegQueryValueExA(key.get(), kPendingRenames, nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &size);
    data.resize(size);
    Texts strings;
    for (std::size_t start = 0; start < data.size(); start += strings.back().size() + 1)
        strings.emplace_back(data.c_str() + start);
    strings.resize(strings.size() / 2 * 2);  // without the empty string that ends the list
    return strings;
}

bool IsRenamePending(const Texts& renames, const std::string& path, std::string_view target = {})
{
    for (std::size_t i = 0; i < renames.size(); i += 2)
        if (UpperAscii(renames[i]) == UpperAscii("\\??\\" + path) && renames[i + 1] == target)
            return true;
    return false;
}

// Leaves the prefix without the renames of the files in the folder and of the folder.
void ForgetRenamesOf(const std::string& folder)
{
    const Texts renames = PendingRenames();
    std::string kept;
    for (std::size_t i = 0; i < renames.size(); i += 2)
        if (!UpperAscii(renames[i]).starts_with(UpperAscii("\\??\\" + folder)))
            kept += renames[i] + '\0' + renames[i + 1] + '\0';
    HKEY opened = nullptr;
    ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_SET_VALUE, &opened);
    UniqueRegKey key(opened);
    if (kept.empty())
        ::RegDeleteValueA(key.get(), kPendingRenames);
    else
        ::RegSetValueExA(key.get(), kPendingRenames, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(kept.c_str()),
                         static_cast<DWORD>(kept.size() + 1));
}

class Uninstaller : public ::testing::Test {
protected:
    // The exit code and the texts of the message boxes; the log lies outside the program.
    std::pair<DWORD, Texts> Run(const std::string& logText, const std::string& directory = {}) const
    {
        root.File("LMUNINST.LOG", logText);
        Process uninstaller("\"" LUMO_UNINSTALLER_PATH "\" " + log, 0, directory);
        Texts messages = uninstaller.AnswerUntilEnd();
        return {uninstaller.Wait(0), messages};
    }

    ScratchFolder root{"lumo uninstaller"}, program{"lumo uninstaller program"};
    const std::string log = root / "LMUNINST.LOG";
};

} // namespace

// Anything but an uninstall log changes nothing. A forged log may name a
// user's file, in the logged folder or elsewhere: only the program's own
// files go, the rest is reported and the folder stays. The program's files
// that were never installed are not worth a word.
TEST_F(Uninstaller, AForgedLogCannotMakeItDeleteAUsersFile)
{
    program.Fill({"LUMSC32.EXE", "thesis.doc"});
    root.File("OUTSIDE.TXT");
    EXPECT_EQ(Run(UninstallLogText(program.Path()) + "Delete: C:\\WINDOWS\r\n"),
              std::make_pair(DWORD{2}, Texts{"LMUNINST.EXE needs the uninstall log of Lumoscope as its only argument."
                                             "\r\n\r\n\"" + log + "\" is not such a log; nothing was deleted."}));
    EXPECT_TRUE(Exists(program / "LUMSC32.EXE"));

    EXPECT_EQ(Run(UninstallLogText(program.Path()) + "File Copy: " + program / "thesis.doc" + "\r\nFile Copy: " +
                  root / "OUTSIDE.TXT" + "\r\n"),
              std::make_pair(DWORD{1}, Texts{"Lumoscope did not delete everything:\r\n\r\n" + program / "thesis.doc" +
                                             " (not a file of Lumoscope, left alone)\r\n" + root / "OUTSIDE.TXT" +
                                             " (not in " + program.Path() + ", left alone)\r\n" + program.Path() +
                                             " (holds other files, left alone)"}));
    EXPECT_FALSE(Exists(program / "LUMSC32.EXE"));
    EXPECT_TRUE(Exists(program / "thesis.doc") && Exists(root / "OUTSIDE.TXT"));
    EXPECT_FALSE(Exists(log));
}

// The program's shortcut starts it in the program folder, which goes all the same.
TEST_F(Uninstaller, RemovesTheFolderItWasStartedIn)
{
    program.Fill({"LUMSC32.EXE"});
    EXPECT_EQ(Run(UninstallLogText(program.Path()), program.Path()), std::make_pair(DWORD{0}, Texts{}));
    EXPECT_FALSE(Exists(program.Path()));
}

// The program started from the logged folder (minimised, as a shortcut may
// ask) registers itself, and holds the uninstaller up until it ends; one of
// that name elsewhere does not. Then the emptied folder goes without a word.
TEST_F(Uninstaller, WaitsUntilTheProgramFromTheLoggedFolderHasEnded)
{
    const std::string built = LUMO_PROGRAM_PATH;
    for (const char* name : {"LUMSC32.EXE", "PICDEC32.DLL"})  // beside the built program
        ASSERT_TRUE(::CopyFileA((built.substr(0, built.size() - 11) + name).c_str(), (program / name).c_str(), FALSE));
    root.File("LMUNINST.LOG", UninstallLogText(program.Path()));
    Process running("\"" + program / "LUMSC32.EXE" + "\"", SW_SHOWMINNOACTIVE);
    HWND main = running.WaitForWindow("TForm1");
    ASSERT_TRUE(main);
    EXPECT_TRUE(WaitUntil([&] { return ::IsIconic(main) != FALSE; }, 1000));
    EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, kAppPathsKey, ""), program / "LUMSC32.EXE");
    EXPECT_FALSE(IsProgramRunning(root / "LUMSC32.EXE"));

    Process uninstaller("\"" LUMO_UNINSTALLER_PATH "\" " + log);
    ::Sleep(700);
    EXPECT_TRUE(uninstaller.Running());
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(uninstaller.AnswerUntilEnd(10000).empty());
    EXPECT_EQ(uninstaller.Wait(0), 0u);
    EXPECT_FALSE(Exists(program.Path()));
    RemoveSystemEntries();
}

// The installed uninstaller, which cannot delete its own running file,
// leaves nothing behind but a copy that goes at the next restart.
TEST_F(Uninstaller, RemovesItselfFromTheWindowsFolder)
{
    const std::string installed = GetWindowsDir() + "\\LMUNINST.EXE";
    ASSERT_TRUE(::CopyFileA(LUMO_UNINSTALLER_PATH, installed.c_str(), FALSE));
    program.Fill({"LUMSC32.EXE"});
    root.File("LMUNINST.LOG", UninstallLogText(program.Path()));
    Process uninstaller("\"" + installed + "\" " + log);
    const std::string copyFolder = TemporaryCopyFolder(GetTempDir(), uninstaller.Id());
    EXPECT_EQ(uninstaller.Wait(), 0u);
    EXPECT_TRUE(WaitUntil([] { return ProcessesNamed("LMUNINST.EXE").empty(); }, 40000));
    EXPECT_FALSE(Exists(program.Path()));
    EXPECT_FALSE(Exists(installed));
    const Texts renames = PendingRenames();
    for (const std::string& path : {copyFolder + "\\LMUNINST.EXE", copyFolder})
        EXPECT_TRUE(!Exists(path) || IsRenamePending(renames, path)) << path;
    ::DeleteFileA(installed.c_str());
    ScratchFolder::RemoveTree(copyFolder);
    ForgetRenamesOf(copyFolder);
}
