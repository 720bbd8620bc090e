// The real program, started as a process.

#include "ProcessTestSupport.h"

TEST(ProgramProcess, StartsWithTheMainWindowAsAskedAndEndsOnClose)
{
    for (WORD show : {WORD{0}, WORD{SW_SHOWMINNOACTIVE}}) {
        SCOPED_TRACE(show);
        Process program(ProgramCommand(""), show);
        ASSERT_TRUE(program.Started());
        HWND main = program.WaitForWindow("TForm1");
        ASSERT_TRUE(main);
        EXPECT_EQ(TextOf(main), "Lumoscope32 - [Noname]");
        EXPECT_EQ(WaitUntil([&] { return ::IsIconic(main) != FALSE; }, 1000), show == SW_SHOWMINNOACTIVE);
        ::PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.Wait(), 0u);
    }
}
