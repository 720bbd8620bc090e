#include "system/ProgramGroup.h"

#include <algorithm>

#include "system/DdeClient.h"
#include "system/GroupCommand.h"
#include "system/IniFiles.h"

namespace {

class Deadline {
public:
    explicit Deadline(DWORD milliseconds) : end_(::GetTickCount64() + milliseconds) {}
    DWORD Remaining() const
    {
        ULONGLONG now = ::GetTickCount64();
        return now >= end_ ? 0 : static_cast<DWORD>(end_ - now);
    }

private:
    ULONGLONG end_;
};

UniqueConversation Connect(const DdeClient& client, const DdeString& service, const std::string& topic)
{
    if (topic.empty())
        return UniqueConversation(::DdeConnect(client.Instance(), service.get(), nullptr, nullptr));
    DdeString topicName(client, topic);
    return UniqueConversation(::DdeConnect(client.Instance(), service.get(), topicName.get(), nullptr));
}

// The empty topic first; a program manager that answers only its documented
// topic (Wine's does) gets a second try with it.
UniqueConversation ConnectToProgramManager(const DdeClient& client, const DdeString& service)
{
    UniqueConversation conversation = Connect(client, service, "");
    if (!conversation)
        conversation = Connect(client, service, "PROGMAN");
    return conversation;
}

// WinExec would wait up to 30 s for the new program to become idle; this
// waits only as long as the deadline allows.
bool StartProgramManager(const std::string& service, const Deadline& deadline)
{
    std::string commandLine = service + " ";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINNOACTIVE;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &started))
        return false;
    UniqueKernelHandle process(started.hProcess);
    UniqueKernelHandle thread(started.hThread);
    ::WaitForInputIdle(process.get(), deadline.Remaining());
    return true;
}

// Synchronous with a short time-out: Wine completes only the first
// asynchronous transaction of a conversation. The answer is not looked at.
void Execute(HCONV conversation, const std::string& command, const Deadline& deadline)
{
    std::string data = command;
    DWORD result = 0;
    ::DdeClientTransaction(reinterpret_cast<BYTE*>(data.data()), static_cast<DWORD>(data.size() + 1), conversation,
                           nullptr, CF_TEXT, XTYP_EXECUTE, std::min<DWORD>(deadline.Remaining(), 2000), &result);
}

} // namespace

void RemoveProgramGroup(const DdeClient& client, const std::string& installerLog, const std::string& service)
{
    const std::optional<std::string> command = GroupCommand(ReadIniString(installerLog, "Group", "Name"));
    if (!command || !client)
        return;
    const Deadline deadline(5000);
    DdeString serviceName(client, service);
    UniqueConversation conversation = ConnectToProgramManager(client, serviceName);
    if (!conversation && StartProgramManager(service, deadline) && deadline.Remaining() > 0)
        conversation = ConnectToProgramManager(client, serviceName);
    if (conversation && deadline.Remaining() > 0)
        Execute(conversation.get(), *command, deadline);
}
