// The program group removal by DDE: against a small program manager run by
// the test in a thread of its own, and against Wine's "Progman" service.

#include <shlobj.h>

#include <cstring>
#include <future>
#include <mutex>
#include <thread>

#include "ProcessTestSupport.h"
#include "framework/Files.h"
#include "system/DdeClient.h"
#include "system/FileBytes.h"
#include "system/ProgramGroup.h"
#include "system/Uninstall.h"

namespace {

// A DDE server that records connection attempts and executes. Like Wine's
// program manager it answers only the topic "PROGMAN", unless told to take
// a connect without a topic as well.
class TestProgramManager {
public:
    explicit TestProgramManager(bool answersWithoutTopic = false)
        : service_("LumoTestProgman" + std::to_string(::GetCurrentProcessId())), answersWithoutTopic_(answersWithoutTopic)
    {
        active_ = this;
        std::promise<void> ready;
        std::future<void> started = ready.get_future();
        thread_ = std::thread([this, &ready] { Serve(ready); });
        started.wait();
    }
    ~TestProgramManager()
    {
        ::PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
        thread_.join();
        active_ = nullptr;
    }

    const std::string& Service() const { return service_; }
    std::vector<std::string> Topics() const { return Locked(topics_); }
    std::vector<std::string> Executes() const { return Locked(executes_); }

private:
    std::vector<std::string> Locked(const std::vector<std::string>& list) const
    {
        std::lock_guard lock(mutex_);
        return list;
    }
    void Serve(std::promise<void>& ready)
    {
        ::GetDesktopWindow();  // Wine's broadcasts reach no window while the desktop process is down
        threadId_ = ::GetCurrentThreadId();
        MSG message;
        ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue
        ::DdeInitializeA(&instance_, Callback, APPCLASS_STANDARD, 0);
        serviceName_ = ::DdeCreateStringHandleA(instance_, service_.c_str(), CP_WINANSI);
        topicName_ = ::DdeCreateStringHandleA(instance_, "PROGMAN", CP_WINANSI);
        ::DdeNameService(instance_, serviceName_, nullptr, DNS_REGISTER);
        ready.set_value();
        while (::GetMessageA(&message, nullptr, 0, 0) > 0)
            ::DispatchMessageA(&message);
        ::DdeNameService(instance_, serviceName_, nullptr, DNS_UNREGISTER);
        ::DdeFreeStringHandle(instance_, serviceName_);
        ::DdeFreeStringHandle(instance_, topicName_);
        ::DdeUninitialize(instance_);
    }

    std::string Text(HSZ handle) const
    {
        char text[256] = {};
        if (handle)
            ::DdeQueryStringA(instance_, handle, text, sizeof text, CP_WINANSI);
        return text;
    }

    HDDEDATA Handle(UINT type, HSZ topic, HDDEDATA data)
    {
        std::lock_guard lock(mutex_);
        switch (type) {
        case XTYP_CONNECT:
            topics_.push_back(Text(topic));
            return reinterpret_cast<HDDEDATA>(static_cast<INT_PTR>(::DdeCmpStringHandles(topic, topicName_) == 0));
        case XTYP_WILDCONNECT: {
            topics_.push_back(Text(topic));
            if (!answersWithoutTopic_)
                return nullptr;
            HSZPAIR pairs[2] = {{serviceName_, topicName_}, {nullptr, nullptr}};
            return ::DdeCreateDataHandle(instance_, reinterpret_cast<BYTE*>(pairs), sizeof pairs, 0, nullptr,
                                         XTYP_WILDCONNECT, 0);
        }
        case XTYP_EXECUTE: {
            std::string bytes(::DdeGetData(data, nullptr, 0, 0), '\0');
            ::DdeGetData(data, reinterpret_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()), 0);
            executes_.push_back(bytes);
            return reinterpret_cast<HDDEDATA>(DDE_FACK);
        }
        }
        return nullptr;
    }

    static HDDEDATA CALLBACK Callback(UINT type, UINT, HCONV, HSZ topic, HSZ, HDDEDATA data, ULONG_PTR, ULONG_PTR)
    {
        return active_ ? active_->Handle(type, topic, data) : nullptr;
    }

    static inline TestProgramManager* active_ = nullptr;
    std::string service_;
    bool answersWithoutTopic_;
    std::thread thread_;
    DWORD threadId_ = 0;
    DWORD instance_ = 0;
    HSZ serviceName_ = nullptr;
    HSZ topicName_ = nullptr;
    mutable std::mutex mutex_;
    std::vector<std::string> topics_;
    std::vector<std::string> executes_;
};

// Without an answer the uninstall would start a program manager of its own,
// which the test could not end.
bool ProgramManagerAnswers(const DdeClient& client)
{
    ::GetDesktopWindow();  // Wine's program manager runs in the desktop process
    DdeString service(client, "Progman");
    DdeString topic(client, "PROGMAN");
    for (int i = 0; i < 40; ++i) {
        if (UniqueConversation(::DdeConnect(client.Instance(), service.get(), topic.get(), nullptr)))
            return true;
        ::Sleep(100);
    }
    return false;
}

// Ends the processes running from a file of this name; their number.
int EndProcessesNamed(const char* exeName)
{
    int ended = 0;
    for (DWORD id : ProcessesNamed(exeName)) {
        UniqueKernelHandle process(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
        if (process && ::TerminateProcess(process.get(), 0)) {
            ::WaitForSingleObject(process.get(), 5000);
            ++ended;
        }
    }
    return ended;
}

const std::string kInstallerLog = "[Setup]\r\nTitle=Lumoscope\r\n[Group]\r\nName=Lumoscope 32 \xC3\xA9t\xC3\xA9\r\n";

} // namespace

// A server that ignores a connect without a topic, as Wine's does, is asked
// again with "PROGMAN"; the command goes with its zero byte; a name that
// would change the command is not sent at all.
TEST(ProgramGroup, SendsTheDeleteCommandWithTheLoggedGroupName)
{
    struct Case {
        std::string log;
        bool answersWithoutTopic;
        std::vector<std::string> topics;
        const char* command;  // none: nothing sent
    };
    const Case cases[] = {
        {kInstallerLog, false, {"", "PROGMAN"}, "[DeleteGroup(Lumoscope 32 \xC3\xA9t\xC3\xA9)]\r\n"},
        {"[Group]\r\nTitle=no name\r\n", true, {""}, "[DeleteGroup()]\r\n"},
        {"[Group]\r\nName=X)][DeleteGroup(Startup\r\n", true, {}, nullptr},
    };
    ScratchFolder scratch("lumo-group");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.log);
        ASSERT_TRUE(WriteFileBytes((scratch / "UNINST.LOG"), c.log));
        TestProgramManager manager(c.answersWithoutTopic);
        DdeClient client;
        RemoveProgramGroup(client, (scratch / "UNINST.LOG"), manager.Service());
        EXPECT_EQ(manager.Topics(), c.topics);
        std::vector<std::string> executes;
        if (c.command)
            executes.emplace_back(c.command, std::strlen(c.command) + 1);
        EXPECT_EQ(manager.Executes(), executes);
    }
}

TEST(ProgramGroup, GivesUpWithinFiveSecondsOnAProgramManagerThatStartsButNeverAnswers)
{
    ScratchFolder scratch("lumo-group");
    ASSERT_TRUE(WriteFileBytes((scratch / "UNINST.LOG"), kInstallerLog));
    DdeClient client;
    const ULONGLONG start = ::GetTickCount64();
    // Found beside the test program, where a program started by name is
    // looked for first.
    RemoveProgramGroup(client, (scratch / "UNINST.LOG"), "LumoSilentProgman");
    const ULONGLONG elapsed = ::GetTickCount64() - start;
    EXPECT_EQ(EndProcessesNamed("LumoSilentProgman.exe"), 1) << "the program manager was not started";
    EXPECT_GT(elapsed, 4000u) << "the time limit was not reached";
    EXPECT_LT(elapsed, 5500u);
}

TEST(ProgramGroup, WinesProgramManagerDeletesTheGroup)
{
    DdeClient client;
    if (!ProgramManagerAnswers(client))
        GTEST_SKIP() << "Wine's program manager does not answer (no desktop process)";
    char programs[MAX_PATH];
    ASSERT_EQ(::SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, 0, programs), S_OK);
    const std::string name = "Lumoscope Test Group " + std::to_string(::GetCurrentProcessId());
    const std::string group = std::string(programs) + "\\" + name;
    ASSERT_TRUE(::CreateDirectoryA(group.c_str(), nullptr));
    ScratchFolder scratch("lumo-group");
    ASSERT_TRUE(WriteFileBytes((scratch / "UNINST.LOG"), "[Group]\r\nName=" + name + "\r\n"));

    RemoveProgramGroup(client, (scratch / "UNINST.LOG"), "Progman");
    for (int i = 0; i < 100 && ::GetFileAttributesA(group.c_str()) != INVALID_FILE_ATTRIBUTES; ++i)
        ::Sleep(10);
    EXPECT_EQ(::GetFileAttributesA(group.c_str()), INVALID_FILE_ATTRIBUTES);
    ::RemoveDirectoryA(group.c_str());
}

TEST(ProgramGroup, TheUninstallRemovesTheGroupOnlyWhenTheInstallerLeftItsLog)
{
    ScratchFolder program("lumo-group-program");
    ScratchFolder windows("lumo-group-windows");  // without LMUNINST.EXE: the uninstall ends with its error message
    TestProgramManager manager;
    DdeClient client;
    ScriptedDialogs dialogs;
    Uninstall(client, {program.Path(), windows.Path(), manager.Service()});
    EXPECT_TRUE(manager.Topics().empty());

    ASSERT_TRUE(WriteFileBytes((program / "UNINST.LOG"), kInstallerLog));
    Uninstall(client, {program.Path(), windows.Path(), manager.Service()});
    EXPECT_EQ(manager.Executes().size(), 1u);
    EXPECT_FALSE(FileExists((program / "UNINST.LOG")));
    EXPECT_EQ(dialogs.requests.size(), 2u);
}
