#pragma once
#include <functional>

#include "TestSupport.h"

// Polls every 10 ms until done() holds, answering the messages sent to this
// thread meanwhile; false when the time ran out first.
bool WaitUntil(const std::function<bool()>& done, DWORD milliseconds);

class Process {
public:
    // showCommand 0: the program's own choice; an empty directory: this one.
    explicit Process(std::string commandLine, WORD showCommand = 0, const std::string& directory = {});
    ~Process() { if (Running()) ::TerminateProcess(process_.get(), 99); }  // ends one that still runs

    bool Running() const;
    DWORD Id() const { return id_; }
    DWORD Wait(DWORD milliseconds = 10000) const;  // the exit code, or STILL_ACTIVE when it runs longer
    // A visible top-level window of the process with this class.
    HWND WaitForWindow(const std::string& className, DWORD milliseconds = 10000) const;
    // Until the end, each awaited that long: the texts of the message boxes,
    // closed with Yes where they ask, else with OK.
    std::vector<std::string> AnswerUntilEnd(DWORD milliseconds = 40000) const;

    DWORD startError = 0;

private:
    UniqueKernelHandle process_;
    DWORD id_ = 0;
};

std::vector<DWORD> ProcessesNamed(const char* exeName);

inline std::string ProgramCommand(const std::string& arguments) { return "\"" LUMO_PROGRAM_PATH "\" " + arguments; }
