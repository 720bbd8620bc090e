// A program manager that offers no DDE service and never looks at its
// messages (so it never becomes idle); it ends by itself after a minute.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    ::Sleep(60000);
    return 0;
}
