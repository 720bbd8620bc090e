// Presses a button of another program's window as a user would, for the
// run script's headless screenshot:
//   LumoPressButton.exe "WINDOW CAPTION" "&BUTTON"
// Waits up to ten seconds for a top-level window with exactly that caption
// whose button with that caption is enabled, then posts it a click. Exit
// code 0 after the click, 1 when the window or button never came.
#include <windows.h>

#include <string>

namespace {

struct Search {
    std::string text;
    HWND found = nullptr;
};

BOOL CALLBACK FindButton(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<Search*>(parameter);
    char text[256] = {};
    ::GetWindowTextA(window, text, sizeof text);
    if (search->text == text) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND EnabledButton(const char* windowCaption, const char* buttonCaption)
{
    HWND window = ::FindWindowA(nullptr, windowCaption);
    if (!window || !::IsWindowEnabled(window))
        return nullptr;
    Search search{buttonCaption};
    ::EnumChildWindows(window, FindButton, reinterpret_cast<LPARAM>(&search));
    return search.found && ::IsWindowEnabled(search.found) ? search.found : nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    for (int i = 0; i < 1000; ++i) {
        if (HWND button = EnabledButton(argv[1], argv[2])) {
            // Posted: a button that opens a modal window would block a send.
            ::PostMessageA(button, BM_CLICK, 0, 0);
            return 0;
        }
        ::Sleep(10);
    }
    return 1;
}
