// The full-screen view: its window, scrolling by keys, closing, and the
// modal showing from the main window's FULLVIEW button.

#include <functional>

#include "PictureTestSupport.h"
#include "PreviewTestSupport.h"
#include "framework/Screen.h"

namespace {

constexpr UINT kProbe = WM_APP + 77;

// Runs an action when the probe message, posted to the thread, comes out of
// the application's message loop (the modal one included).
class MessageProbe {
public:
    explicit MessageProbe(std::function<void()> action) : action_(std::move(action)), saved_(Application().OnMessage)
    {
        Application().OnMessage = [this](MSG& message, bool& handled) {
            if (message.message == kProbe) {
                action_();
                handled = true;
            } else if (saved_) {
                saved_(message, handled);
            }
        };
    }
    ~MessageProbe() { Application().OnMessage = saved_; }
    MessageProbe(const MessageProbe&) = delete;
    MessageProbe& operator=(const MessageProbe&) = delete;

private:
    std::function<void()> action_;
    TApplication::MessageHook saved_;
};

// Closes a modal showing that nothing else closed, so a failing test ends.
bool timedOut = false;
HWND timeoutTarget = nullptr;
void CALLBACK CloseAfterTimeout(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    timedOut = true;
    ::PostMessageA(timeoutTarget, WM_CLOSE, 0, 0);
}

class FullScreenTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        Screen().SetCursor(crDefault);
        ::DeleteFileA(TempFile("lumo-full.bmp").c_str());
    }
    void LoadPicture() { w.form1.LoadPicture(WriteBmpFile("lumo-full.bmp", 50, 40, clRed)); }

    // Shows the view for a picture that much larger than the screen.
    void ShowPicture(int extraWidth, int extraHeight)
    {
        ::ShowWindow(w.form2.Handle(), SW_SHOWMAXIMIZED);
        RECT client;
        ::GetClientRect(w.form2.Handle(), &client);
        ::ShowWindow(w.form2.Handle(), SW_HIDE);
        w.form1.PicView1.ImageWidth = client.right + extraWidth;
        w.form1.PicView1.ImageHeight = client.bottom + extraHeight;
        ::ShowWindow(w.form2.Handle(), SW_SHOWMAXIMIZED);
    }
    POINT Position() const
    {
        RECT rect = RectInParent(w.form2.PicView1.Handle());
        return POINT{rect.left, rect.top};
    }
    void Key(WORD key) { ::SendMessageA(w.form2.Handle(), WM_KEYDOWN, key, 1); }
    // Clicks FULLVIEW and returns when the modal showing has ended.
    void ShowModally()
    {
        timedOut = false;
        timeoutTarget = w.form2.Handle();
        UINT_PTR timer = ::SetTimer(nullptr, 0, 5000, CloseAfterTimeout);
        ::SendMessageA(w.form1.ButtonVollbild.Handle(), BM_CLICK, 0, 0);
        ::KillTimer(nullptr, timer);
        EXPECT_FALSE(timedOut);
    }

    ScriptedDialogs dialogs;
    ProgramWindows w;
};

} // namespace

TEST_F(FullScreenTest, IsABorderlessBlackWindowWithADisabledPicture)
{
    const LONG style = ::GetWindowLongA(w.form2.Handle(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU), 0);
    EXPECT_FALSE(::IsWindowVisible(w.form2.Handle()));
    EXPECT_FALSE(::IsWindowEnabled(w.form2.PicView1.Handle()));
    ShowPicture(-1000, -900);
    EXPECT_EQ(SizeOf(w.form2.Handle()).cx, ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(Screen().Cursor(), crNone);
    PixelCanvas canvas(400, 300);
    ::SendMessageA(w.form2.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    EXPECT_EQ(canvas.At(399, 299), clBlack);
}

TEST_F(FullScreenTest, KeysScrollALargePictureByTheirRules)
{
    struct Case {
        const char* rule;
        int extraWidth, extraHeight;
        std::vector<WORD> keys;
        std::vector<POINT> after;
    };
    const Case cases[] = {
        {"Down by 2 without clamping", 0, 3, {VK_DOWN, VK_DOWN}, {{0, -2}, {0, -4}}},
        {"Page Down stops at the bottom edge", 0, 3, {VK_NEXT}, {{0, -3}}},
        {"Up from an odd offset passes the top", 0, 7, {VK_NEXT, VK_UP, VK_UP, VK_UP, VK_UP},
         {{0, -7}, {0, -5}, {0, -3}, {0, -1}, {0, 1}}},
        {"Page Up by 10, then to the top edge", 0, 25, {VK_NEXT, VK_NEXT, VK_NEXT, VK_PRIOR, VK_PRIOR, VK_PRIOR},
         {{0, -10}, {0, -20}, {0, -25}, {0, -15}, {0, -5}, {0, 0}}},
        {"End, then Home from -25", 25, 0, {VK_END, VK_END, VK_END, VK_HOME, VK_HOME, VK_HOME},
         {{-10, 0}, {-20, 0}, {-25, 0}, {-15, 0}, {-5, 0}, {0, 0}}},
        {"Right and Left by 2", 3, 0, {VK_RIGHT, VK_LEFT, VK_LEFT}, {{-2, 0}, {0, 0}, {0, 0}}},
        {"A smaller picture never moves", -10, -10,
         {VK_DOWN, VK_UP, VK_RIGHT, VK_LEFT, VK_NEXT, VK_PRIOR, VK_END, VK_HOME},
         std::vector<POINT>(8, POINT{0, 0})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        ShowPicture(c.extraWidth, c.extraHeight);
        ASSERT_EQ(Position(), (POINT{0, 0}));
        for (std::size_t i = 0; i < c.keys.size(); ++i) {
            Key(c.keys[i]);
            EXPECT_EQ(Position(), c.after[i]) << "key " << i;
        }
        ::ShowWindow(w.form2.Handle(), SW_HIDE);
    }
}

TEST_F(FullScreenTest, EscEnterSpaceCloseTheModalShowingAndTheCursorComesBack)
{
    LoadPicture();
    for (char key : {'\x1b', '\r', ' '}) {
        bool shownDuringKey = false;
        MessageProbe probe([&] { shownDuringKey = ::IsWindowVisible(w.form2.Handle()) != FALSE; });
        ::PostMessageA(w.form2.Handle(), WM_CHAR, 'a', 1);
        ::PostMessageA(w.form2.Handle(), kProbe, 0, 0);
        ::PostMessageA(w.form2.Handle(), WM_CHAR, static_cast<WPARAM>(key), 1);
        ShowModally();
        EXPECT_TRUE(shownDuringKey) << "another character leaves it open";
        EXPECT_FALSE(::IsWindowVisible(w.form2.Handle())) << int{key};
        EXPECT_EQ(Screen().Cursor(), crDefault) << int{key};
    }
}

TEST_F(FullScreenTest, AClickOnThePictureClosesAndTheMainWindowGetsItsFocusBack)
{
    LoadPicture();
    ::SetFocus(w.form1.Edit1.Handle());
    struct {
        bool mainDisabled, maximised, cursorHidden, atTopLeft;
    } during{};
    MessageProbe probe([&] {
        during = {!::IsWindowEnabled(w.form1.Handle()), ::IsZoomed(w.form2.Handle()) != FALSE,
                  Screen().Cursor() == crNone, Position() == POINT{0, 0}};
        // A real click over the disabled picture, through the input queue.
        ::SetCursorPos(10, 10);
        INPUT clicks[2]{};
        clicks[0].type = clicks[1].type = INPUT_MOUSE;
        clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        ::SendInput(2, clicks, sizeof(INPUT));
    });
    ::SetWindowPos(w.form2.PicView1.Handle(), nullptr, -30, -30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::PostMessageA(w.form2.Handle(), kProbe, 0, 0);
    ShowModally();
    EXPECT_TRUE(during.mainDisabled && during.maximised && during.cursorHidden);
    EXPECT_TRUE(during.atTopLeft) << "every showing starts at the top-left corner";
    EXPECT_FALSE(::IsWindowVisible(w.form2.Handle()));
    EXPECT_TRUE(::IsWindowEnabled(w.form1.Handle()));
    EXPECT_EQ(::GetActiveWindow(), w.form1.Handle());
    EXPECT_EQ(::GetFocus(), w.form1.FileListBox1.Handle());
    EXPECT_EQ(Screen().Cursor(), crDefault);
}
