// A program manager that starts but never answers: it offers no DDE service
// and never looks at its messages, so waiting for it to become idle lasts
// as long as the caller allows. It ends by itself after a minute.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    ::Sleep(60000);
    return 0;
}
