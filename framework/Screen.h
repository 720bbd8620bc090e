#pragma once
// The application-wide mouse cursor. While it is not crDefault it overrides
// the cursor of every window of the program.
#include <windows.h>

enum TCursor { crDefault = 0, crNone = -1, crHourGlass = -11 };

class TScreen {
public:
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    // Answers WM_SETCURSOR for a window of the program; false while the
    // cursor is crDefault (the window's own cursor then applies).
    bool ApplyCursorOverride() const;

private:
    TCursor cursor_ = crDefault;
};

TScreen& Screen();
