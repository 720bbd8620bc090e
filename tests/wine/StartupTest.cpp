#include "TestSupport.h"
#include "app/Startup.h"

namespace {

bool windowSeen = false;

// Closes the main window as soon as the message loop runs.
void CALLBACK CloseMainWindow(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (HWND main = Application().MainWindow()) {
        windowSeen = true;
        ::KillTimer(nullptr, timer);
        ::PostMessageA(main, WM_CLOSE, 0, 0);
    }
}

} // namespace

// "-U" asks first (the switch's spellings have their own tests); Yes ends
// without a window (in the test prefix, which has no LMUNINST.EXE, with the
// uninstall's error), No starts as usual. Anything else starts at once, silently.
TEST(Startup, AsksTheUninstallQuestionOnlyForTheSwitchInTheFirstArgument)
{
    struct Case {
        std::vector<std::string> commandLine;
        int answer;
        bool window;
        std::size_t messages;
    };
    const Case cases[] = {
        {{"LUMSC32.EXE", "-u", "ignored"}, mrYes, false, 2},
        {{"LUMSC32.EXE", "-U"}, mrNo, true, 1},
        {{"LUMSC32.EXE"}, mrOk, true, 0},
        {{"LUMSC32.EXE", "C:\\NO\\SUCH\\PICTURE.BMP", "-U"}, mrOk, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine.back() + " answered " + std::to_string(c.answer));
        ScriptedDialogs dialogs;
        dialogs.Answer(c.answer);
        windowSeen = false;
        UINT_PTR closer = ::SetTimer(nullptr, 0, 30, CloseMainWindow);
        EXPECT_EQ(RunProgram(c.commandLine), 0);
        ::KillTimer(nullptr, closer);
        EXPECT_EQ(windowSeen, c.window);
        ASSERT_EQ(dialogs.requests.size(), c.messages);
        if (c.messages == 0)
            continue;
        EXPECT_EQ(dialogs.requests[0].kind, DialogRequest::Message);
        EXPECT_EQ(dialogs.requests[0].caption, "Bestätigen");
        ExpectMessage(dialogs.requests[0],
                      "Lumoscope -32 is going to delete itself from your system.\rDo you want to proceed the "
                      "Uninstall process ?",
                      mtConfirmation, mbYes | mbNo);
        if (c.messages == 2)
            EXPECT_EQ(dialogs.requests[1].type, mtError);
    }
}
