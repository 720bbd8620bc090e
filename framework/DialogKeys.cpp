#include "framework/DialogKeys.h"

#include <cctype>
#include <string>

#include "framework/Application.h"

namespace {

bool IsTopLevelWithChildren(HWND root) { return root && ::GetWindow(root, GW_CHILD) != nullptr; }

bool MoveFocusByTab(HWND root, bool backwards)
{
    HWND next = ::GetNextDlgTabItem(root, ::GetFocus(), backwards ? TRUE : FALSE);
    if (!next)
        return false;
    ::SetFocus(next);
    return true;
}

bool IsButton(HWND window)
{
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    return ::lstrcmpiA(className, "Button") == 0;
}

bool CaptionMarks(HWND window, char letter)
{
    char text[256] = {};
    ::GetWindowTextA(window, text, sizeof text);
    std::string caption = text;
    auto amp = caption.find('&');
    return amp != std::string::npos && amp + 1 < caption.size() &&
           std::toupper(static_cast<unsigned char>(caption[amp + 1])) == std::toupper(static_cast<unsigned char>(letter));
}

struct MnemonicSearch {
    char letter;
    HWND found;
};

BOOL CALLBACK FindMnemonicButton(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<MnemonicSearch*>(parameter);
    if (IsButton(window) && ::IsWindowVisible(window) && ::IsWindowEnabled(window) &&
        CaptionMarks(window, search->letter)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

bool ClickMnemonicButton(HWND root, char letter)
{
    MnemonicSearch search{letter, nullptr};
    ::EnumChildWindows(root, FindMnemonicButton, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return false;
    ::SendMessageA(search.found, BM_CLICK, 0, 0);
    return true;
}

// The help context of a control, or of its nearest parent that has one.
DWORD HelpContextOf(HWND window)
{
    for (; window; window = ::GetParent(window))
        if (DWORD context = ::GetWindowContextHelpId(window))
            return context;
    return 0;
}

bool ShowContextHelp()
{
    DWORD context = HelpContextOf(::GetFocus());
    if (!context)
        return false;
    Application().HelpContext(static_cast<int>(context));
    return true;
}

} // namespace

bool HandleDialogKey(const MSG& message)
{
    HWND root = message.hwnd ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (!IsTopLevelWithChildren(root))
        return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB)
        return MoveFocusByTab(root, (::GetKeyState(VK_SHIFT) & 0x8000) != 0);
    if (message.message == WM_KEYDOWN && message.wParam == VK_F1)
        return ShowContextHelp();
    if (message.message == WM_SYSCHAR && std::isalnum(static_cast<unsigned char>(message.wParam)))
        return ClickMnemonicButton(root, static_cast<char>(message.wParam));
    return false;
}
