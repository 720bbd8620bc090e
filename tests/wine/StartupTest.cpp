#include <gtest/gtest.h>

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

void ExpectUninstallQuestion(const DialogRequest& request)
{
    EXPECT_EQ(request.kind, DialogRequest::Message);
    EXPECT_EQ(request.type, mtConfirmation);
    EXPECT_EQ(request.buttons, static_cast<TMsgDlgButtons>(mbYes | mbNo));
    EXPECT_EQ(request.caption, "Bestätigen");
    EXPECT_EQ(request.text, "Lumoscope -32 is going to delete itself from your system.\r"
                            "Do you want to proceed the Uninstall process ?");
}

} // namespace

TEST(Startup, UninstallAnsweredYesEndsWithoutAWindow)
{
    ScriptedDialogs dialogs;
    dialogs.Answer(mrYes);
    StartResult result = Start({"LUMSC32.EXE", "-U"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_FALSE(result.windowCreated);
    EXPECT_EQ(::FindWindowA("TForm1", nullptr), nullptr);
    // The test prefix has no LMUNINST.EXE: the uninstall ends with its error message.
    ASSERT_EQ(dialogs.requests.size(), 2u);
    ExpectUninstallQuestion(dialogs.requests[0]);
    EXPECT_EQ(dialogs.requests[1].type, mtError);
}

TEST(Startup, LowerCaseSwitchAsksTheSameQuestion)
{
    ScriptedDialogs dialogs;
    dialogs.Answer(mrYes);
    Start({"LUMSC32.EXE", "-u", "ignored", "arguments"});
    ASSERT_EQ(dialogs.requests.size(), 2u);
    ExpectUninstallQuestion(dialogs.requests[0]);
}

TEST(Startup, UninstallAnsweredNoStartsNormallyWithoutFurtherMessages)
{
    ScriptedDialogs dialogs;
    dialogs.Answer(mrNo);
    StartResult result = Start({"LUMSC32.EXE", "-U"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.windowCreated);
    EXPECT_EQ(dialogs.requests.size(), 1u);
}

TEST(Startup, OtherSwitchesAskNothing)
{
    for (const char* argument : {"-UX", "/U", "-U ", "U"}) {
        ScriptedDialogs dialogs;
        StartResult result = Start({"LUMSC32.EXE", argument});
        EXPECT_TRUE(result.windowCreated) << argument;
        EXPECT_TRUE(dialogs.requests.empty()) << argument;
    }
}

TEST(Startup, NoArgumentStartsWithNoPictureAndNoMessage)
{
    ScriptedDialogs dialogs;
    StartResult result = Start({"LUMSC32.EXE"});
    EXPECT_TRUE(result.windowCreated);
    EXPECT_TRUE(dialogs.requests.empty());
}

TEST(Startup, MissingOrUnsupportedPicturesAreIgnoredSilently)
{
    ScriptedDialogs dialogs;
    StartResult result = Start({"LUMSC32.EXE", "C:\\NO\\SUCH\\PICTURE.BMP"});
    EXPECT_TRUE(result.windowCreated);
    EXPECT_TRUE(dialogs.requests.empty());
}
