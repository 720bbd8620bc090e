// Pictures that describe their colours are shown in those of the monitor the
// main window is on.
#include "app/TForm1.h"
#include "imagelib/ImageLib.h"

LRESULT TForm1::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOVE: FollowDisplayColours(false); break;
    case WM_DISPLAYCHANGE: FollowDisplayColours(true); break;
    default: break;
    }
    return TForm::WindowProc(message, wParam, lParam);
}

void TForm1::FollowDisplayColours(bool displaysChanged)
{
    const HMONITOR monitor = ::MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST);
    if (monitor == DisplayMonitor && !displaysChanged)
        return;
    DisplayMonitor = monitor;
    UseColoursOfDisplay(Handle());
}
