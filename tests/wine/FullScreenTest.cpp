// The full-screen view: scrolling by keys and the modal showing from the
// main window's FULLVIEW button.
#include <functional>
#include <utility>

#include "PictureTestSupport.h"
#include "PreviewTestSupport.h"
#include "framework/Screen.h"

namespace {

// A step run out of the modal showing's message loop, and a close after 5 s
// so a failing test ends.
std::function<void()> step;
bool timedOut = false;
void CALLBACK RunStep(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    std::exchange(step, nullptr)();
}
void CALLBACK CloseAfterTimeout(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    timedOut = true;
    ::PostMessageA(::GetActiveWindow(), WM_CLOSE, 0, 0);
}

class FullScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CurrentPicturePath.clear();
        w.form1.LoadPicture(WriteBmpFile("lumo-full.bmp", 50, 40, clRed));
    }
    void TearDown() override
    {
        Screen().SetCursor(crDefault);
        ::DeleteFileA(TempFile("lumo-full.bmp").c_str());
    }

    // Shows the view for a picture that much larger than the screen.
    void ShowPicture(int extraWidth, int extraHeight)
    {
        w.form1.PicView1.ImageWidth = ::GetSystemMetrics(SM_CXSCREEN) + extraWidth;
        w.form1.PicView1.ImageHeight = ::GetSystemMetrics(SM_CYSCREEN) + extraHeight;
        ::ShowWindow(w.form2.Handle(), SW_SHOWMAXIMIZED);
    }
    std::pair<int, int> Position() const
    {
        RECT rect = RectInParent(w.form2.PicView1.Handle());
        return {rect.left, rect.top};
    }

    ScriptedDialogs dialogs;
    ProgramWindows w;
};

} // namespace

TEST_F(FullScreenTest, KeysScrollALargePictureByTheirRules)
{
    struct Case {
        const char* rule;
        int extraWidth, extraHeight;
        std::vector<WORD> keys;
        std::vector<std::pair<int, int>> after;
    };
    const Case cases[] = {
        {"Down by 2 past the bottom, Page Up to the top, Page Down to the bottom, Up from an odd offset past the top",
         0, 7, {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_PRIOR, VK_NEXT, VK_UP, VK_UP, VK_UP, VK_UP},
         {{0, -2}, {0, -4}, {0, -6}, {0, -8}, {0, 0}, {0, -7}, {0, -5}, {0, -3}, {0, -1}, {0, 1}}},
        {"Page Down and Page Up, End and Home by 10, Right and Left by 2", 25, 25,
         {VK_NEXT, VK_NEXT, VK_NEXT, VK_PRIOR, VK_PRIOR, VK_PRIOR, VK_RIGHT, VK_LEFT, VK_LEFT, VK_END, VK_END, VK_END,
          VK_HOME, VK_HOME, VK_HOME},
         {{0, -10}, {0, -20}, {0, -25}, {0, -15}, {0, -5}, {0, 0}, {-2, 0}, {0, 0}, {0, 0}, {-10, 0}, {-20, 0},
          {-25, 0}, {-15, 0}, {-5, 0}, {0, 0}}},
        {"A smaller picture never moves", -10, -10,
         {VK_DOWN, VK_UP, VK_RIGHT, VK_LEFT, VK_NEXT, VK_PRIOR, VK_END, VK_HOME}, std::vector<std::pair<int, int>>(8)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        ShowPicture(c.extraWidth, c.extraHeight);
        ASSERT_EQ(Position(), (std::pair{0, 0}));
        for (std::size_t i = 0; i < c.keys.size(); ++i) {
            ::SendMessageA(w.form2.Handle(), WM_KEYDOWN, c.keys[i], 1);
            EXPECT_EQ(Position(), c.after[i]) << "key " << i;
        }
        ::ShowWindow(w.form2.Handle(), SW_HIDE);
    }
}

// Esc, Enter, Space or a real click over the disabled picture close it; another character does not.
TEST_F(FullScreenTest, TheModalShowingClosesByItsKeysOrAClickAndTheMainWindowGetsItsFocusBack)
{
    const std::function<void()> closers[] = {
        [&] { ::PostMessageA(w.form2.Handle(), WM_CHAR, '\x1b', 1); },
        [&] { ::PostMessageA(w.form2.Handle(), WM_CHAR, '\r', 1); },
        [&] { ::PostMessageA(w.form2.Handle(), WM_CHAR, ' ', 1); },
        [&] {
            ::SetCursorPos(10, 10);
            INPUT clicks[2]{};
            clicks[0].type = clicks[1].type = INPUT_MOUSE;
            clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
            clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
            ::SendInput(2, clicks, sizeof(INPUT));
        },
    };
    for (const auto& close : closers) {
        ::SetFocus(w.form1.Edit1.Handle());
        ::SetWindowPos(w.form2.PicView1.Handle(), nullptr, -30, -30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        bool shownAsItShould = false, openAfterOtherKey = false;
        timedOut = false;
        ::UpdateWindow(w.form1.Handle());  // as on the screen: its paint puts the default cursor back
        step = [&] {
            shownAsItShould = !::IsWindowEnabled(w.form1.Handle()) && ::IsZoomed(w.form2.Handle()) &&
                              Screen().Cursor() == crNone && !::GetCursor() && Position() == std::pair{0, 0};
            ::SendMessageA(w.form2.Handle(), WM_CHAR, 'a', 1);
            openAfterOtherKey = ::IsWindowVisible(w.form2.Handle());
            close();
        };
        ::SetTimer(nullptr, 0, 0, RunStep);
        const UINT_PTR timeout = ::SetTimer(nullptr, 0, 5000, CloseAfterTimeout);
        ::SendMessageA(w.form1.ButtonVollbild.Handle(), BM_CLICK, 0, 0);
        ::KillTimer(nullptr, timeout);
        EXPECT_FALSE(timedOut);
        EXPECT_TRUE(shownAsItShould) << "main window disabled, maximised, no cursor, picture at the top left";
        EXPECT_TRUE(openAfterOtherKey);
        EXPECT_FALSE(::IsWindowVisible(w.form2.Handle()));
        EXPECT_EQ(::GetActiveWindow(), w.form1.Handle());
        EXPECT_EQ(::GetFocus(), w.form1.FileListBox1.Handle());
        EXPECT_EQ(Screen().Cursor(), crDefault);
    }
}
