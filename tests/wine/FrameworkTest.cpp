#include <gtest/gtest.h>

#include "ScratchTestSupport.h"
#include "TestSupport.h"
#include "framework/Panel.h"
#include "framework/StdControls.h"
#include "framework/Screen.h"
#include "framework/Window.h"

namespace {

class PlainWindow : public TWindow {
public:
    PlainWindow()
    {
        CreateParams params;
        params.className = "LumoTestPlainWindow";
        params.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        CreateHandle(params);
    }
};

} // namespace

TEST(ScreenCursor, OverridesEveryWindowsCursorWhileSet)
{
    PlainWindow window;
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

TEST(Utf8CodePage, LetsTheAnsiFunctionsHandleEveryFileName)
{
    EXPECT_EQ(::GetACP(), 65001u);
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const std::string name = "\xc3\xa9t\xc3\xa9_\xe6\x97\xa5\xe6\x9c\xac.jpg";  // été_日本.jpg
    const std::string path = std::string(temp) + name;
    {
        UniqueFile file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(file);
    }
    WIN32_FIND_DATAA found{};
    UniqueFind search(::FindFirstFileA(path.c_str(), &found));
    ASSERT_TRUE(search);
    EXPECT_EQ(std::string(found.cFileName), name);
    EXPECT_TRUE(::DeleteFileA(path.c_str()));
}

TEST(FormFocus, ComesBackToTheFocusedControlWhenTheFormIsActivatedAgain)
{
    HostForm form;
    TEdit first, second;
    first.Create({form.Handle(), 1, Bounds(8, 8, 120, 24)}, "", false);
    second.Create({form.Handle(), 2, Bounds(8, 40, 120, 24)}, "", false);
    PlainWindow other;
    ::SetActiveWindow(form.Handle());
    second.SetFocus();
    ::SetActiveWindow(other.Handle());
    ASSERT_EQ(::GetActiveWindow(), other.Handle());
    ::SetActiveWindow(form.Handle());
    EXPECT_EQ(::GetFocus(), second.Handle());
    ::SetFocus(form.Handle());
    EXPECT_EQ(::GetFocus(), second.Handle()) << "the form passes its own focus on";
}
