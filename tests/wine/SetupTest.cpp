// The setup program of this build's architecture, run silently into a
// scratch folder, and the uninstall run as a user runs it: the program with
// "-U", answered through its real dialogs, and then LMUNINST.EXE.

#include <shlobj.h>
#include <wrl/client.h>

#include "ProcessTestSupport.h"
#include "RegistryTestSupport.h"
#include "app/Startup.h"
#include "system/EntryTexts.h"
#include "system/FileBytes.h"
#include "system/Registration.h"
#include "system/Registry.h"
#include "system/Uninstall.h"
#include "system/WindowsShell.h"

namespace {

// "target arguments" of a shortcut, and whether it runs as administrator
// (read from the file: Wine's shell link does not report every flag).
std::string ShortcutCommand(const std::string& path)
{
    Microsoft::WRL::ComPtr<IShellLinkA> link;
    Microsoft::WRL::ComPtr<IPersistFile> file;
    const std::wstring widePath(path.begin(), path.end());
    char target[MAX_PATH] = {}, arguments[MAX_PATH] = {};
    if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) &&
        SUCCEEDED(link.As(&file)) && SUCCEEDED(file->Load(widePath.c_str(), STGM_READ))) {
        link->GetPath(target, MAX_PATH, nullptr, 0);
        link->GetArguments(arguments, MAX_PATH);
    }
    const bool asAdministrator = ReadFileBytes(path).value_or("").append(0x18, '\0')[0x15] & (SLDF_RUNAS_USER >> 8);
    return std::string(target) + " " + arguments + (asAdministrator ? " as administrator" : "");
}

HWND UninstallerReport() { return ::FindWindowA("#32770", "Lumoscope Uninstall"); }

class Setup : public testing::Test {
protected:
    void SetUp() override
    {
        ::CoInitialize(nullptr);
        char programs[MAX_PATH] = {};
        ::SHGetFolderPathA(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
        group_ = std::string(programs) + "\\Lumoscope32";
        RemoveSystemEntries();  // other tests start the program, which registers itself
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

    std::string group_;
    ScratchFolder scratch_{"lumo-setup"};
    std::string folder_ = scratch_ / "Picture Tools\\Lumoscope32";
};

} // namespace

// The setup registers the program for everyone, as its start would, and
// puts the group into the Start menu of all users. The uninstall, started
// as from that group's shortcut (whose working folder is the program
// folder), shows that the library, LMUNINST.EXE and the installer's log are
// there, and no other file (else the folder would stay); then the
// uninstaller goes too.
TEST_F(Setup, InstallsTheProgramWithItsGroupAndTheUninstallTakesAllOfIt)
{
#ifndef LUMO_SETUP_PATH
    GTEST_SKIP() << "Built without makensis: there is no setup program to test.";
#else
    Process setup(std::string("\"") + LUMO_SETUP_PATH + "\" /S /D=" + folder_);
    if (setup.startError == ERROR_BAD_EXE_FORMAT || setup.startError == ERROR_EXE_MACHINE_TYPE_MISMATCH)
        GTEST_SKIP() << "This machine cannot run 32-bit programs, which the setup is: skipped.";
    ASSERT_EQ(setup.Wait(60000), 0u) << setup.startError;
    const std::string program = folder_ + "\\LUMSC32.EXE";
    EXPECT_TRUE(Exists(folder_ + "\\UNINST.ICO"));
    EXPECT_EQ(ShortcutCommand(group_ + "\\Lumoscope32.lnk"), program + " ");
    EXPECT_EQ(ShortcutCommand(group_ + "\\Uninstall Lumoscope32.lnk"), program + " -U as administrator");
    const std::vector<std::string> registered = ProgramEntries();
    std::cout << "The registry after the setup:\n";
    for (const std::string& line : registered)
        std::cout << "  " << line << "\n";
    EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, kAppPathsKey, ""), program);
    EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation"), folder_);
    EXPECT_EQ(ReadRegString(HKEY_LOCAL_MACHINE, kRegisteredApplicationsKey, kRegisteredName, KEY_WOW64_64KEY),
              kCapabilitiesKey);
    Process viewer("\"" + program + "\"");
    ::PostMessageA(viewer.WaitForWindow("TForm1"), WM_CLOSE, 0, 0);
    EXPECT_EQ(viewer.Wait(), 0u);
    EXPECT_EQ(ProgramEntries(), registered) << "a start writes what the setup wrote";

    Process uninstall("\"" + program + "\" -U", 0, folder_);  // the folder is handed on to the uninstall
    EXPECT_EQ(uninstall.AnswerUntilEnd(), (std::vector<std::string>{kUninstallQuestion, kUninstallInformation}));
    EXPECT_EQ(uninstall.Wait(0), 0u);
    ASSERT_TRUE(WaitUntil([] { return ProcessesNamed("LMUNINST.EXE").empty() || UninstallerReport(); }, 40000));
    EXPECT_FALSE(UninstallerReport());
    EXPECT_EQ(ProgramEntries(), std::vector<std::string>{});
    EXPECT_FALSE(Exists(group_));
    EXPECT_FALSE(Exists(folder_));
    EXPECT_TRUE(WaitUntil([] { return !Exists(GetWindowsDir() + "\\LMUNINST.EXE"); }, 6000)) << "the uninstaller stayed";
#endif
}
