#include <shlobj.h>

#include "ProcessTestSupport.h"
#include "system/DdeClient.h"
#include "system/ProgramGroup.h"
#include "text/PathText.h"

// Wine's program manager deletes a group's folder under the Start Menu. A
// name written to append a command of its own never reaches it.
TEST(ProgramGroup, DeletesTheLoggedGroupButNeverSendsAnInjectedCommand)
{
    DdeClient client;
    ::GetDesktopWindow();  // Wine's program manager runs in the desktop process
    DdeString service(client, "Progman"), topic(client, "PROGMAN");
    // Without an answer the removal would start a program manager of its own.
    ASSERT_TRUE(WaitUntil(
        [&] { return !!UniqueConversation(::DdeConnect(client.Instance(), service.get(), topic.get(), nullptr)); }, 4000));
    char programs[MAX_PATH] = {};
    ::SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, 0, programs);
    const std::string name = "Lumoscope Test Group " + std::to_string(::GetCurrentProcessId());
    const std::string group = std::string(programs) + "\\" + name;
    ASSERT_TRUE(::CreateDirectoryA(group.c_str(), nullptr));
    ScratchFolder scratch("lumo-group");
    for (const std::string& logged : {"X)][DeleteGroup(" + name, name}) {
        scratch.File("UNINST.LOG", "[Group]\r\nName=" + logged + "\r\n");
        RemoveProgramGroup(client, scratch / "UNINST.LOG", "Progman", "C:\\windows\\Progman.EXE");
        EXPECT_EQ(Exists(group), logged != name) << logged;
    }
    ::RemoveDirectoryA(group.c_str());
}

// The program manager is started by its full path (a name alone would be
// looked for in the current folder first), and gets five seconds in all.
TEST(ProgramGroup, GivesUpWithinFiveSecondsOnAProgramManagerThatStartsButNeverAnswers)
{
    ScratchFolder program("lumo-group"), windows("lumo-group-windows");
    char tests[MAX_PATH] = {};  // the silent one lies beside the tests
    ::GetModuleFileNameA(nullptr, tests, MAX_PATH);
    const std::string silent = DirectoryPart(tests) + "LumoSilentProgman.exe";
    ASSERT_TRUE(::CopyFileA(silent.c_str(), (windows / "LumoElsewhereProgman.exe").c_str(), FALSE));
    DdeClient client;
    program.File("UNINST.LOG", "[Group]\r\nName=Lumoscope 32 \xC3\xA9t\xC3\xA9\r\n");
    const ULONGLONG start = ::GetTickCount64();
    RemoveProgramGroup(client, program / "UNINST.LOG", "LumoElsewhereProgman", windows / "LumoElsewhereProgman.exe");
    const ULONGLONG elapsed = ::GetTickCount64() - start;
    const std::vector<DWORD> started = ProcessesNamed("LumoElsewhereProgman.exe");
    for (DWORD id : started)
        ::TerminateProcess(UniqueKernelHandle(::OpenProcess(PROCESS_TERMINATE, FALSE, id)).get(), 0);
    EXPECT_EQ(started.size(), 1u) << "the program manager was not started";
    EXPECT_GT(elapsed, 4000u) << "the time limit was not reached";
    EXPECT_LT(elapsed, 5500u);
}
