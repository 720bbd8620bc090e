#include "controls/ControlHook.h"

#include "framework/Application.h"
#include "framework/Window.h"

namespace {

constexpr const char* kHookProperty = "LumoControlHook";

} // namespace

TShiftState CurrentShiftState()
{
    TShiftState shift = 0;
    if (::GetKeyState(VK_SHIFT) < 0)
        shift |= ssShift;
    if (::GetKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    if (::GetKeyState(VK_CONTROL) < 0)
        shift |= ssCtrl;
    return shift;
}

TControlHook::~TControlHook() { Detach(); }

void TControlHook::Attach(HWND window, bool reflectNotifications)
{
    Detach();
    window_ = window;
    ::SetPropA(window, kHookProperty, this);
    EnableReflection(window, reflectNotifications);
    original_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TControlHook::StaticHookProc)));
}

void TControlHook::Detach()
{
    if (!window_)
        return;
    if (::IsWindow(window_)) {
        ::SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        ::RemovePropA(window_, kHookProperty);
        EnableReflection(window_, false);
    }
    window_ = nullptr;
    original_ = nullptr;
}

LRESULT TControlHook::CallOriginal(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::CallWindowProcA(original_, window_, message, wParam, lParam);
}

LRESULT TControlHook::DefaultChar(WPARAM character, LPARAM lParam)
{
    return CallOriginal(WM_CHAR, character, lParam);
}

LRESULT TControlHook::HookProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
        return OnKey(message, wParam, lParam);
    case WM_CHAR:
        return OnChar(wParam, lParam);
    }
    return CallOriginal(message, wParam, lParam);
}

LRESULT TControlHook::OnKey(UINT message, WPARAM wParam, LPARAM lParam)
{
    auto& handler = message == WM_KEYDOWN ? Keys.OnKeyDown : Keys.OnKeyUp;
    WORD key = static_cast<WORD>(wParam);
    if (handler)
        handler(key, CurrentShiftState());
    if (key == 0)
        return 0;
    return CallOriginal(message, key, lParam);
}

LRESULT TControlHook::OnChar(WPARAM wParam, LPARAM lParam)
{
    if (!Keys.OnKeyPress)
        return DefaultChar(wParam, lParam);
    // Bytes of a multi-byte character pass as they are; the handler sees
    // them but cannot replace them by another character.
    char key = static_cast<char>(wParam);
    Keys.OnKeyPress(key);
    if (key == 0)
        return 0;
    WPARAM passed = key == static_cast<char>(wParam) ? wParam : static_cast<unsigned char>(key);
    return DefaultChar(passed, lParam);
}

LRESULT CALLBACK TControlHook::StaticHookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = static_cast<TControlHook*>(::GetPropA(window, kHookProperty));
    if (!self)
        return ::DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        WNDPROC original = self->original_;
        self->Detach();
        return ::CallWindowProcA(original, window, message, wParam, lParam);
    }
    try {
        return self->HookProc(message, wParam, lParam);
    } catch (const std::exception& error) {
        Application().HandleException(error);
        return 0;
    }
}
