#include "TestSupport.h"
#include "framework/Exceptions.h"
#include "framework/Window.h"

namespace {

// A window whose handler fails with the error it was given.
class FailingWindow : public TWindow {
public:
    explicit FailingWindow(std::string message) : message_(std::move(message))
    {
        CreateParams params;
        params.className = "LumoTestFailingWindow";
        params.style = WS_OVERLAPPEDWINDOW;
        CreateHandle(params);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_USER)
            throw Exception(message_);
        if (message == WM_USER + 1)
            throw EInOutError(static_cast<int>(wParam));
        return DefaultProc(message, wParam, lParam);
    }

private:
    std::string message_;
};

} // namespace

TEST(DefaultErrorDisplay, ShowsTheMessageWithOneFinalPeriodUnderTheTitle)
{
    Application().SetTitle("Lumoscope32 - [Noname]");
    ScriptedDialogs dialogs;
    FailingWindow window("Something broke");
    FailingWindow withPeriod("Already ends with a period.");
    ::SendMessageA(window.Handle(), WM_USER, 0, 0);
    ::SendMessageA(window.Handle(), WM_USER + 1, 5, 0);
    ::SendMessageA(withPeriod.Handle(), WM_USER, 0, 0);
    const std::vector<std::string> texts = {"Something broke.", "Dateizugriff verweigert.",
                                            "Already ends with a period."};
    ASSERT_EQ(dialogs.Texts(), texts);
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
