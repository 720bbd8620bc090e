#include "system/ProgramStart.h"

UniqueKernelHandle StartProgram(const std::string& program, const std::string& argument, const std::string& directory,
                                WORD showMode)
{
    std::string commandLine = "\"" + program + "\" " + argument;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = showMode ? STARTF_USESHOWWINDOW : 0;
    startup.wShowWindow = showMode;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          directory.empty() ? nullptr : directory.c_str(), &startup, &started))
        return {};
    UniqueKernelHandle thread(started.hThread);
    return UniqueKernelHandle(started.hProcess);
}
