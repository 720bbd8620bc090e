#include "ProcessTestSupport.h"

#include <tlhelp32.h>

bool WaitUntil(const std::function<bool()>& done, DWORD milliseconds)
{
    for (const ULONGLONG end = ::GetTickCount64() + milliseconds; !done(); ::Sleep(10)) {
        if (::GetTickCount64() >= end)
            return false;
        // Answers messages other processes send to this thread's windows (a
        // DDE connect sends to every top-level window, and waits); posted
        // ones stay queued.
        MSG message;
        ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    }
    return true;
}

Process::Process(std::string commandLine, WORD showCommand, const std::string& directory)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = showCommand ? STARTF_USESHOWWINDOW : 0;
    startup.wShowWindow = showCommand;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          directory.empty() ? nullptr : directory.c_str(), &startup, &started))
        startError = ::GetLastError();
    process_.reset(started.hProcess);  // null when the start failed
    UniqueKernelHandle thread(started.hThread);
    id_ = started.dwProcessId;
}

bool Process::Running() const { return process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

DWORD Process::Wait(DWORD milliseconds) const
{
    DWORD code = STILL_ACTIVE;
    if (process_ && ::WaitForSingleObject(process_.get(), milliseconds) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(process_.get(), &code);
    return code;
}

namespace {

HWND VisibleWindowOf(DWORD process, const std::string& className)
{
    for (HWND window = nullptr; (window = ::FindWindowExA(nullptr, window, className.c_str(), nullptr)) != nullptr;) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == process && ::IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

} // namespace

HWND Process::WaitForWindow(const std::string& className, DWORD milliseconds) const
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = VisibleWindowOf(id_, className)) != nullptr || !Running(); }, milliseconds);
    return found;
}

std::vector<std::string> Process::AnswerUntilEnd(DWORD milliseconds) const
{
    std::vector<std::string> messages;
    for (HWND box; (box = WaitForWindow("#32770", milliseconds)) != nullptr;) {
        messages.push_back(TextOf(::GetDlgItem(box, 0xFFFF)));
        Click(box, ::GetDlgItem(box, IDYES) ? IDYES : IDOK);
        WaitUntil([&] { return !::IsWindow(box); }, 2000);
    }
    return messages;
}

std::vector<DWORD> ProcessesNamed(const char* exeName)
{
    std::vector<DWORD> ids;
    UniqueFile snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));  // INVALID_HANDLE_VALUE on failure
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32First(snapshot.get(), &entry); more; more = ::Process32Next(snapshot.get(), &entry))
        if (::lstrcmpiA(entry.szExeFile, exeName) == 0)
            ids.push_back(entry.th32ProcessID);
    return ids;
}
