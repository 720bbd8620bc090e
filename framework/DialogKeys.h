#pragma once
#include <windows.h>

// Keyboard navigation between the controls of a window: Tab and Shift+Tab
// move the focus along the tab order, Alt+letter clicks the button whose
// caption marks that letter with "&", F1 opens the help for the focused
// control's help context. True when the message was used.
bool HandleDialogKey(const MSG& message);
