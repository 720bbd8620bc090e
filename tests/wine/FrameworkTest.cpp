#include "TestSupport.h"
#include "framework/Screen.h"

TEST(ScreenCursor, OverridesEveryWindowsCursorWhileSet)
{
    HostForm window;
    const HCURSOR wait = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT));
    const HCURSOR arrow = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    for (auto [cursor, shown] : {std::pair{crHourGlass, wait}, {crNone, HCURSOR{}}, {crDefault, arrow}}) {
        Screen().SetCursor(cursor);
        const LRESULT overridden = ::SendMessageA(window.Handle(), WM_SETCURSOR,
                                                  reinterpret_cast<WPARAM>(window.Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_TRUE(overridden || cursor == crDefault);
        EXPECT_EQ(::GetCursor(), shown) << cursor;
    }
}
