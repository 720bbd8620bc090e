#include "TestSupport.h"
#include "app/Startup.h"

namespace {

bool windowSeen = false;

// Closes the main window as soon as the message loop runs.
void CALLBACK CloseMainWindow(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (HWND main = Application().MainWindow()) {
        windowSeen = true;  // the registration's message processing may let this timer come first
        ::KillTimer(nullptr, timer);
        ::PostMessageA(main, WM_CLOSE, 0, 0);
    }
}

struct StartResult {
    int exitCode;
    bool windowCreated;
};

void CALLBACK NoteWindow(HWND, UINT, UINT_PTR, DWORD)
{
    if (Application().MainWindow())
        windowSeen = true;
}

StartResult Start(std::vector<std::string> commandLine)
{
    windowSeen = false;
    UINT_PTR closer = ::SetTimer(nullptr, 0, 30, CloseMainWindow);
    UINT_PTR watcher = ::SetTimer(nullptr, 0, 10, NoteWindow);
    int exitCode = RunProgram(commandLine);
    ::KillTimer(nullptr, closer);
    ::KillTimer(nullptr, watcher);
    return {exitCode, windowSeen};
}

} // namespace

// The switch "-U" or "-u" asks first; Yes ends without a window (in the
// test prefix, which has no LMUNINST.EXE, with the uninstall's error), No
// starts as usual. Anything else starts at once, silently.
TEST(Startup, AsksTheUninstallQuestionOnlyForTheSwitch)
{
    struct Case {
        std::vector<std::string> commandLine;
        int answer;
        bool window;
        std::size_t messages;
    };
    const Case cases[] = {
        {{"LUMSC32.EXE", "-U"}, mrYes, false, 2},
        {{"LUMSC32.EXE", "-u", "ignored", "arguments"}, mrYes, false, 2},
        {{"LUMSC32.EXE", "-U"}, mrNo, true, 1},
        {{"LUMSC32.EXE"}, mrOk, true, 0},
        {{"LUMSC32.EXE", "C:\\NO\\SUCH\\PICTURE.BMP"}, mrOk, true, 0},
        {{"LUMSC32.EXE", "-UX"}, mrOk, true, 0},
        {{"LUMSC32.EXE", "/U"}, mrOk, true, 0},
        {{"LUMSC32.EXE", "-U "}, mrOk, true, 0},
        {{"LUMSC32.EXE", "U"}, mrOk, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine.back() + " answered " + std::to_string(c.answer));
        ScriptedDialogs dialogs;
        dialogs.Answer(c.answer);
        StartResult result = Start(c.commandLine);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.windowCreated, c.window);
        if (!c.window) {
            EXPECT_EQ(::FindWindowA("TForm1", nullptr), nullptr);
        }
        ASSERT_EQ(dialogs.requests.size(), c.messages);
        if (c.messages == 0)
            continue;
        EXPECT_EQ(dialogs.requests[0].kind, DialogRequest::Message);
        EXPECT_EQ(dialogs.requests[0].caption, "Bestätigen");
        ExpectMessage(dialogs.requests[0],
                      "Lumoscope -32 is going to delete itself from your system.\rDo you want to proceed the "
                      "Uninstall process ?",
                      mtConfirmation, mbYes | mbNo);
        if (c.messages == 2) {
            EXPECT_EQ(dialogs.requests[1].type, mtError);
        }
    }
}
