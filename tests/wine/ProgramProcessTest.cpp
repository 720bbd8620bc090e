// The real program, started as a process.
#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {

class Program {
public:
    explicit Program(const std::string& arguments, WORD showCommand = 0, bool useShowCommand = false)
    {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (useShowCommand) {
            startup.dwFlags = STARTF_USESHOWWINDOW;
            startup.wShowWindow = showCommand;
        }
        std::string commandLine = std::string("\"") + LUMO_PROGRAM_PATH + "\" " + arguments;
        PROCESS_INFORMATION process{};
        started_ = ::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                    &startup, &process) != FALSE;
        process_.reset(process.hProcess);
        thread_.reset(process.hThread);
        id_ = process.dwProcessId;
    }
    ~Program()
    {
        if (process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT)
            ::TerminateProcess(process_.get(), 99);
    }

    bool Started() const { return started_; }

    // The first visible top-level window of the program with this class.
    HWND WaitForWindow(const char* className) const
    {
        for (int i = 0; i < 1000; ++i) {
            Search search{id_, className, nullptr};
            ::EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&search));
            if (search.found)
                return search.found;
            ::Sleep(10);
        }
        return nullptr;
    }

    DWORD WaitForExit() const
    {
        if (::WaitForSingleObject(process_.get(), 10000) != WAIT_OBJECT_0)
            return STILL_ACTIVE;
        DWORD code = 0;
        ::GetExitCodeProcess(process_.get(), &code);
        return code;
    }

private:
    struct Search {
        DWORD process;
        std::string className;
        HWND found;
    };

    static BOOL CALLBACK FindWindowOf(HWND window, LPARAM parameter)
    {
        auto* search = reinterpret_cast<Search*>(parameter);
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        char className[64] = {};
        ::GetClassNameA(window, className, sizeof className);
        if (process == search->process && search->className == className && ::IsWindowVisible(window)) {
            search->found = window;
            return FALSE;
        }
        return TRUE;
    }

    bool started_ = false;
    UniqueKernelHandle process_;
    UniqueKernelHandle thread_;
    DWORD id_ = 0;
};

} // namespace

TEST(ProgramProcess, StartsWithTheMainWindowAndEndsOnClose)
{
    Program program("");
    ASSERT_TRUE(program.Started());
    HWND main = program.WaitForWindow("TForm1");
    ASSERT_TRUE(main);
    EXPECT_EQ(TextOf(main), "Lumoscope32 - [Noname]");
    EXPECT_FALSE(::IsIconic(main));
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
}

TEST(ProgramProcess, ComesUpMinimisedWhenStartedMinimised)
{
    Program program("", SW_SHOWMINNOACTIVE, true);
    HWND main = program.WaitForWindow("TForm1");
    ASSERT_TRUE(main);
    for (int i = 0; i < 100 && !::IsIconic(main); ++i)
        ::Sleep(10);
    EXPECT_TRUE(::IsIconic(main));
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
}

TEST(ProgramProcess, AsksTheRealUninstallQuestionAndStartsOnNo)
{
    Program program("-u");
    HWND question = program.WaitForWindow("#32770");
    ASSERT_TRUE(question);
    EXPECT_EQ(TextOf(question), "Bestätigen");
    EXPECT_EQ(TextOf(::GetDlgItem(question, 0xFFFF)),
              "Lumoscope -32 is going to delete itself from your system.\rDo you want to proceed the Uninstall process ?");
    EXPECT_EQ(TextOf(::GetDlgItem(question, IDYES)), "&Ja");
    EXPECT_EQ(TextOf(::GetDlgItem(question, IDNO)), "&Nein");
    ::PostMessageA(::GetDlgItem(question, IDNO), BM_CLICK, 0, 0);
    HWND main = program.WaitForWindow("TForm1");
    ASSERT_TRUE(main);
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
}
