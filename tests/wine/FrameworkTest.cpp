#include <atomic>
#include <thread>

#include "ProcessTestSupport.h"
#include "framework/Panel.h"
#include "framework/Screen.h"
#include "framework/StdControls.h"

TEST(ScreenCursor, OverridesEveryWindowsCursorWhileSet)
{
    HostForm window;
    auto askCursor = [&] {
        return ::SendMessageA(window.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(window.Handle()),
                              MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    };
    Screen().SetCursor(crHourGlass);
    EXPECT_EQ(askCursor(), TRUE);
    EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    Screen().SetCursor(crNone);
    EXPECT_EQ(askCursor(), TRUE);
    EXPECT_EQ(::GetCursor(), nullptr);
    Screen().SetCursor(crDefault);
    askCursor();
    EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
}

namespace {

// A top-level window of its own thread, with its own input queue, as
// another program's window would have.
class ForeignWindow {
public:
    ForeignWindow()
        : worker_([this] {
              HWND window = ::CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                              nullptr, nullptr, nullptr, nullptr);
              threadId_ = ::GetCurrentThreadId();
              window_ = window;
              MSG message;
              while (::GetMessageA(&message, nullptr, 0, 0) > 0)
                  ::DispatchMessageA(&message);
              ::DestroyWindow(window);
          })
    {
        while (!window_)
            ::Sleep(1);
    }
    ~ForeignWindow()
    {
        ::PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
        worker_.join();
    }
    HWND Handle() const { return window_; }

private:
    std::atomic<DWORD> threadId_{0};
    std::atomic<HWND> window_{nullptr};
    std::thread worker_;
};

} // namespace

TEST(FormFocus, ComesBackToTheFocusedControlWhenTheFormIsActivatedAgain)
{
    HostForm form;
    TEdit first, second;
    first.Create({form.Handle(), 1, Bounds(8, 8, 120, 24)}, "", false);
    second.Create({form.Handle(), 2, Bounds(8, 40, 120, 24)}, "", false);
    ::SetForegroundWindow(form.Handle());
    second.SetFocus();
    ForeignWindow other;
    auto activate = [&](HWND window, bool formActive) {
        ::SetForegroundWindow(window);
        return WaitUntil([&] { return PumpMessages(), (::GetActiveWindow() == form.Handle()) == formActive; }, 2000);
    };
    ASSERT_TRUE(activate(other.Handle(), false));
    ASSERT_TRUE(activate(form.Handle(), true));
    EXPECT_EQ(::GetFocus(), second.Handle());
    ::SetFocus(form.Handle());
    EXPECT_EQ(::GetFocus(), second.Handle()) << "the form passes its own focus on";
}
