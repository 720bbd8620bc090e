#include "TestSupport.h"
#include "framework/Exceptions.h"

namespace {

// A window whose handler fails: WM_USER with the message in lParam,
// WM_USER + 1 with the input-output error code in wParam.
class FailingWindow : public HostForm {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_USER)
            throw Exception(reinterpret_cast<const char*>(lParam));
        if (message == WM_USER + 1)
            throw EInOutError(static_cast<int>(wParam));
        return HostForm::WindowProc(message, wParam, lParam);
    }
};

} // namespace

TEST(DefaultErrorDisplay, ShowsTheMessageWithOneFinalPeriodUnderTheTitle)
{
    Application().SetTitle("Lumoscope32 - [Noname]");
    ScriptedDialogs dialogs;
    FailingWindow window;
    ::SendMessageA(window.Handle(), WM_USER, 0, reinterpret_cast<LPARAM>("Something broke"));
    ::SendMessageA(window.Handle(), WM_USER + 1, 5, 0);
    ::SendMessageA(window.Handle(), WM_USER, 0, reinterpret_cast<LPARAM>("Already ends with a period."));
    ASSERT_EQ(dialogs.Texts(), (std::vector<std::string>{"Something broke.", "Dateizugriff verweigert.",
                                                         "Already ends with a period."}));
    EXPECT_EQ(dialogs.requests[0].kind, DialogRequest::ErrorBox);
    EXPECT_EQ(dialogs.requests[0].caption, "Lumoscope32 - [Noname]");
    EXPECT_TRUE(::IsWindow(window.Handle())) << "the program goes on";
}

TEST(DefaultErrorDisplay, CatchesErrorsOfTheMessageHook)
{
    ScriptedDialogs dialogs;
    Application().OnMessage = [](MSG& message, bool&) {
        if (message.message == WM_USER + 7)
            throw EInOutError(2);
    };
    ::PostThreadMessageA(::GetCurrentThreadId(), WM_USER + 7, 0, 0);
    PumpMessages();
    Application().OnMessage = nullptr;
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Datei nicht gefunden."});
}
