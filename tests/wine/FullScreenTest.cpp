// The full-screen view: its window, scrolling by keys, closing, and the
// modal showing from the main window's FULLVIEW button.

#include <deque>
#include <functional>

#include "PictureTestSupport.h"
#include "PreviewTestSupport.h"
#include "framework/Screen.h"

namespace {

constexpr UINT kNextStep = WM_APP + 77;

// Steps run inside the modal showing, one for each kNextStep message out of
// the application's message loop (a step after one that ended the showing
// does not run), and a close after 5 s so a failing test ends.
std::deque<std::function<void()>> steps;
HWND showing = nullptr;
bool timedOut = false;
void CALLBACK CloseAfterTimeout(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    timedOut = true;
    ::PostMessageA(showing, WM_CLOSE, 0, 0);
}

class FullScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CurrentPicturePath.clear();
        w.form1.LoadPicture(WriteBmpFile("lumo-full.bmp", 50, 40, clRed));
        Application().OnMessage = [this](MSG& message, bool& handled) {
            if (message.message != kNextStep) {
                if (savedHook)
                    savedHook(message, handled);
                return;
            }
            handled = true;
            if (steps.empty())
                return;
            std::function<void()> step = std::move(steps.front());
            steps.pop_front();
            step();
            ::PostMessageA(showing, kNextStep, 0, 0);
        };
    }
    void TearDown() override
    {
        Application().OnMessage = savedHook;
        Screen().SetCursor(crDefault);
        ::DeleteFileA(TempFile("lumo-full.bmp").c_str());
    }

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
    // Clicks FULLVIEW and returns when the modal showing has ended.
    void ShowModally(std::deque<std::function<void()>> during)
    {
        steps = std::move(during);
        showing = w.form2.Handle();
        timedOut = false;
        const UINT_PTR timeout = ::SetTimer(nullptr, 0, 5000, CloseAfterTimeout);
        ::PostMessageA(showing, kNextStep, 0, 0);
        ::SendMessageA(w.form1.ButtonVollbild.Handle(), BM_CLICK, 0, 0);
        ::KillTimer(nullptr, timeout);
        steps.clear();
        EXPECT_FALSE(timedOut);
    }

    ScriptedDialogs dialogs;
    ProgramWindows w;
    const TApplication::MessageHook savedHook = Application().OnMessage;
};

} // namespace

// Its style, size, cursor and disabled picture show in the modal tests below.
TEST_F(FullScreenTest, PaintsBlackAroundASmallerPicture)
{
    ShowPicture(-1000, -900);
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
        {"Down by 2 past the bottom, Page Up to the top, Page Down to the bottom, Up from an odd offset past the top",
         0, 7, {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_PRIOR, VK_NEXT, VK_UP, VK_UP, VK_UP, VK_UP},
         {{0, -2}, {0, -4}, {0, -6}, {0, -8}, {0, 0}, {0, -7}, {0, -5}, {0, -3}, {0, -1}, {0, 1}}},
        {"Page Down and Page Up by 10", 0, 25, {VK_NEXT, VK_NEXT, VK_NEXT, VK_PRIOR, VK_PRIOR, VK_PRIOR},
         {{0, -10}, {0, -20}, {0, -25}, {0, -15}, {0, -5}, {0, 0}}},
        {"Right and Left by 2, End and Home by 10", 25, 0,
         {VK_RIGHT, VK_LEFT, VK_LEFT, VK_END, VK_END, VK_END, VK_HOME, VK_HOME, VK_HOME},
         {{-2, 0}, {0, 0}, {0, 0}, {-10, 0}, {-20, 0}, {-25, 0}, {-15, 0}, {-5, 0}, {0, 0}}},
        {"A smaller picture never moves", -10, -10,
         {VK_DOWN, VK_UP, VK_RIGHT, VK_LEFT, VK_NEXT, VK_PRIOR, VK_END, VK_HOME}, std::vector<POINT>(8, POINT{0, 0})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        ShowPicture(c.extraWidth, c.extraHeight);
        ASSERT_EQ(Position(), (POINT{0, 0}));
        for (std::size_t i = 0; i < c.keys.size(); ++i) {
            ::SendMessageA(w.form2.Handle(), WM_KEYDOWN, c.keys[i], 1);
            EXPECT_EQ(Position(), c.after[i]) << "key " << i;
        }
        ::ShowWindow(w.form2.Handle(), SW_HIDE);
    }
}

TEST_F(FullScreenTest, EscEnterSpaceCloseTheModalShowingAndTheCursorComesBack)
{
    for (char key : {'\x1b', '\r', ' '}) {
        bool openAfterOtherKey = false;
        ShowModally({[&] { ::PostMessageA(w.form2.Handle(), WM_CHAR, 'a', 1); },
                     [&] {
                         openAfterOtherKey = true;
                         ::PostMessageA(w.form2.Handle(), WM_CHAR, static_cast<WPARAM>(key), 1);
                     }});
        EXPECT_TRUE(openAfterOtherKey) << "another character leaves it open";
        EXPECT_FALSE(::IsWindowVisible(w.form2.Handle())) << int{key};
        EXPECT_EQ(Screen().Cursor(), crDefault) << int{key};
    }
}

TEST_F(FullScreenTest, AClickOnThePictureClosesAndTheMainWindowGetsItsFocusBack)
{
    ::SetFocus(w.form1.Edit1.Handle());
    ::SetWindowPos(w.form2.PicView1.Handle(), nullptr, -30, -30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    bool mainDisabled = false, maximised = false, cursorHidden = false, atTopLeft = false;
    ShowModally({[&] {
        mainDisabled = !::IsWindowEnabled(w.form1.Handle());
        maximised = ::IsZoomed(w.form2.Handle()) != FALSE;
        cursorHidden = Screen().Cursor() == crNone;
        atTopLeft = Position() == POINT{0, 0};
        // A real click over the disabled picture, through the input queue.
        ::SetCursorPos(10, 10);
        INPUT clicks[2]{};
        clicks[0].type = clicks[1].type = INPUT_MOUSE;
        clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        ::SendInput(2, clicks, sizeof(INPUT));
    }});
    EXPECT_TRUE(mainDisabled && maximised && cursorHidden);
    EXPECT_TRUE(atTopLeft) << "every showing starts at the top-left corner";
    EXPECT_FALSE(::IsWindowVisible(w.form2.Handle()));
    EXPECT_TRUE(::IsWindowEnabled(w.form1.Handle()));
    EXPECT_EQ(::GetActiveWindow(), w.form1.Handle());
    EXPECT_EQ(::GetFocus(), w.form1.FileListBox1.Handle());
    EXPECT_EQ(Screen().Cursor(), crDefault);
}
