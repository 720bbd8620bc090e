// The setup program of this build's architecture, run silently into a
// scratch folder, and the uninstall run as a user runs it: the program with
// "-U", answered through its real dialogs, and then LMUNINST.EXE.

#include <shlobj.h>
#include <wrl/client.h>

#include <set>

#include "ProcessTestSupport.h"
#include "app/Startup.h"
#include "framework/Files.h"
#include "system/EntryTexts.h"
#include "system/FileBytes.h"
#include "system/IniFiles.h"
#include "system/Registry.h"
#include "system/Uninstall.h"
#include "system/WindowsShell.h"

namespace {

std::set<std::string> NamesIn(const std::string& folder)
{
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = ::FindNextFileA(search, &found))
        if (found.cFileName[0] != '.')
            names.insert(found.cFileName);
    ::FindClose(search);
    return names;
}

// "target arguments" of a shortcut.
std::string ShortcutCommand(const std::string& path)
{
    Microsoft::WRL::ComPtr<IShellLinkA> link;
    Microsoft::WRL::ComPtr<IPersistFile> file;
    const std::wstring widePath(path.begin(), path.end());
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) ||
        FAILED(link.As(&file)) || FAILED(file->Load(widePath.c_str(), STGM_READ)))
        return {};
    char target[MAX_PATH] = {}, arguments[MAX_PATH] = {};
    link->GetPath(target, MAX_PATH, nullptr, 0);
    link->GetArguments(arguments, MAX_PATH);
    return std::string(target) + " " + arguments;
}

// Read from the file: Wine's shell link does not report every flag.
bool RunsAsAdministrator(const std::string& shortcut)
{
    const std::string bytes = ReadFileBytes(shortcut).value_or("").append(0x18, '\0');
    return bytes[0x15] & (SLDF_RUNAS_USER >> 8);
}

HWND UninstallerReport() { return ::FindWindowA("#32770", "Lumoscope Uninstall"); }

class Setup : public testing::Test {
protected:
    void SetUp() override
    {
        ::CoInitialize(nullptr);
        char programs[MAX_PATH] = {};
        ::SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
        group_ = std::string(programs) + "\\Lumoscope32";
#ifndef LUMO_SETUP_PATH
        GTEST_SKIP() << "Built without makensis: there is no setup program to test.";
#else
        Process setup(std::string("\"") + LUMO_SETUP_PATH + "\" /S /D=" + folder_);
        if (setup.startError == ERROR_BAD_EXE_FORMAT || setup.startError == ERROR_EXE_MACHINE_TYPE_MISMATCH)
            GTEST_SKIP() << "This machine cannot run 32-bit programs, which the setup is: skipped.";
        ASSERT_EQ(setup.startError, 0u);
        ASSERT_EQ(setup.Wait(60000), 0u);
#endif
    }
    void TearDown() override
    {
        if (HWND report = UninstallerReport())
            Click(report, IDOK);
        WaitUntil([] { return ProcessesNamed("LMUNINST.EXE").empty(); }, 5000);
        ::DeleteFileA((GetWindowsDir() + "\\LMUNINST.EXE").c_str());
        ScratchFolder::RemoveTree(group_);
        ::CoUninitialize();
    }

    std::string Installed(const std::string& name) const { return folder_ + "\\" + name; }

    std::string group_;
    ScratchFolder scratch_{"lumo-setup"};
    std::string folder_ = scratch_ / "Picture Tools\\Lumoscope32";
};

} // namespace

TEST_F(Setup, InstallsTheFilesItsLogAndTheUsersGroup)
{
    EXPECT_EQ(NamesIn(folder_), (std::set<std::string>{"LUMSC32.EXE", "PICDEC32.DLL", "UNINST.ICO", "UNINST.LOG"}));
    EXPECT_TRUE(FileExists(GetWindowsDir() + "\\LMUNINST.EXE"));
    EXPECT_EQ(ReadIniString(Installed("UNINST.LOG"), "Group", "Name"), "Lumoscope32");

    EXPECT_EQ(NamesIn(group_), (std::set<std::string>{"Lumoscope32.lnk", "Uninstall Lumoscope32.lnk"}));
    EXPECT_EQ(ShortcutCommand(group_ + "\\Lumoscope32.lnk"), Installed("LUMSC32.EXE") + " ");
    EXPECT_EQ(ShortcutCommand(group_ + "\\Uninstall Lumoscope32.lnk"), Installed("LUMSC32.EXE") + " -U");
    EXPECT_TRUE(RunsAsAdministrator(group_ + "\\Uninstall Lumoscope32.lnk"));
}

// The program, registered at its start, confirms the question, then the
// notice that hands over to LMUNINST.EXE. Wine's program manager deletes the
// group.
TEST_F(Setup, TheUninstallTakesTheRegistrationTheGroupAndEveryFile)
{
    Process program("\"" + Installed("LUMSC32.EXE") + "\" -U");
    EXPECT_EQ(program.AnswerMessage(IDYES), kUninstallQuestion);
    EXPECT_EQ(program.AnswerMessage(), kUninstallInformation);
    EXPECT_EQ(program.Wait(), 0u);
    // The uninstaller waits up to 30 s for the program to end.
    ASSERT_TRUE(WaitUntil([] { return ProcessesNamed("LMUNINST.EXE").empty() || UninstallerReport(); }, 40000));
    EXPECT_FALSE(UninstallerReport());
    EXPECT_FALSE(Exists(GetWindowsDir() + "\\LMUNINST.LOG"));
    EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, kAppPathsKey));
    EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, kClassName));
    EXPECT_FALSE(Exists(group_));
    EXPECT_FALSE(Exists(folder_));
}
