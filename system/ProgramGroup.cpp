#include "system/ProgramGroup.h"

#include <shlobj.h>

#include <algorithm>
#include <vector>

#include "system/DdeClient.h"
#include "system/GroupCommand.h"
#include "system/IniFiles.h"
#include "system/ProgramStart.h"
#include "system/SafePaths.h"
#include "text/PathText.h"

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
bool StartProgramManager(const std::string& programPath, const Deadline& deadline)
{
    UniqueKernelHandle process = StartProgram(programPath, "", "", SW_SHOWMINNOACTIVE);
    if (!process)
        return false;
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

void SendGroupCommand(const DdeClient& client, const std::string& command, const std::string& service,
                      const std::string& programManagerPath)
{
    if (!client)
        return;
    const Deadline deadline(5000);
    DdeString serviceName(client, service);
    UniqueConversation conversation = ConnectToProgramManager(client, serviceName);
    if (!conversation && StartProgramManager(programManagerPath, deadline) && deadline.Remaining() > 0)
        conversation = ConnectToProgramManager(client, serviceName);
    if (conversation && deadline.Remaining() > 0)
        Execute(conversation.get(), command, deadline);
}

// The key names of a section, which GetPrivateProfileString lists zero-separated.
std::vector<std::string> IniKeys(const std::string& file, const std::string& section)
{
    std::string names(32768, '\0');
    DWORD length = ::GetPrivateProfileStringA(section.c_str(), nullptr, "", names.data(),
                                              static_cast<DWORD>(names.size()), UpperAscii(file).c_str());
    std::vector<std::string> keys;
    for (std::size_t start = 0; start < length;) {
        std::size_t end = names.find('\0', start);
        keys.push_back(names.substr(start, end - start));
        start = end + 1;
    }
    return keys;
}

std::string AllUsersPrograms()
{
    char folder[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathA(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return {};
    return folder;
}

void RemoveGroupFolder(const std::string& installerLog, const std::string& groupName)
{
    const std::string programs = AllUsersPrograms();
    if (programs.empty())
        return;
    const std::string folder = JoinPath(programs, groupName);
    for (const std::string& key : IniKeys(installerLog, "Group"))
        if (IsPlainName(key) && UpperAscii(key).ends_with(".LNK"))
            ::DeleteFileA(JoinPath(folder, key).c_str());
    ::RemoveDirectoryA(folder.c_str());
}

} // namespace

void RemoveProgramGroup(const DdeClient& client, const std::string& installerLog, const std::string& service,
                        const std::string& programManagerPath)
{
    const std::string groupName = ReadIniString(installerLog, "Group", "Name");
    const std::optional<std::string> command = GroupCommand(groupName);
    if (!command)
        return;
    SendGroupCommand(client, *command, service, programManagerPath);
    RemoveGroupFolder(installerLog, groupName);
}
