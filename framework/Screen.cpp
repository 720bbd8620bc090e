#include "framework/Screen.h"

namespace {

HCURSOR CursorHandle(TCursor cursor)
{
    switch (cursor) {
    case crHourGlass: return ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT));
    case crNone: return nullptr;
    case crDefault: break;
    }
    return ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
}

// Lets the window under the mouse choose its own cursor again.
void RefreshWindowCursor()
{
    POINT point;
    if (!::GetCursorPos(&point))
        return;
    HWND window = ::WindowFromPoint(point);
    if (window && ::GetWindowThreadProcessId(window, nullptr) == ::GetCurrentThreadId())
        ::SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

} // namespace

TScreen& Screen()
{
    static TScreen screen;
    return screen;
}

void TScreen::SetCursor(TCursor cursor)
{
    if (cursor == cursor_)
        return;
    cursor_ = cursor;
    if (cursor == crDefault)
        RefreshWindowCursor();
    else
        ::SetCursor(CursorHandle(cursor));
}

bool TScreen::ApplyCursorOverride() const
{
    if (cursor_ == crDefault)
        return false;
    ::SetCursor(CursorHandle(cursor_));
    return true;
}
