// The real program, started as a process.

#include "ProcessTestSupport.h"

// Started normally the window is not minimised (the command line test shows that).
TEST(ProgramProcess, StartsMinimisedWhenAskedAndEndsOnClose)
{
    Process program(ProgramCommand(""), SW_SHOWMINNOACTIVE);
    HWND main = program.WaitForWindow("TForm1");
    ASSERT_TRUE(main);
    EXPECT_TRUE(WaitUntil([&] { return ::IsIconic(main) != FALSE; }, 1000));
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.Wait(), 0u);
}
