#pragma once
// Takes over the window procedure of one system control (subclassing) so a
// control class of the program can answer its messages, its reflected
// notifications and its keys. The hooked window is owned elsewhere.
#include <windows.h>

#include <functional>

enum TShiftFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4 };
using TShiftState = unsigned;

// The keyboard events of a control. Key codes and characters are passed by
// reference: a handler that clears one swallows the key.
struct TKeyEvents {
    std::function<void(WORD& key, TShiftState shift)> OnKeyDown;
    std::function<void(char& key)> OnKeyPress;
    std::function<void(WORD& key, TShiftState shift)> OnKeyUp;
};

class TControlHook {
public:
    TControlHook() = default;
    virtual ~TControlHook();
    TControlHook(const TControlHook&) = delete;
    TControlHook& operator=(const TControlHook&) = delete;

    // A control class that answers its own notifications (kReflectedBase +
    // WM_COMMAND, WM_DRAWITEM) asks for them to be reflected; a plain hook
    // leaves them to the parent, where the form's handlers see them.
    void Attach(HWND window, bool reflectNotifications = false);
    void Detach();
    HWND Hooked() const { return window_; }

    TKeyEvents Keys;

protected:
    // Messages not handled here go on to the control's own procedure.
    virtual LRESULT HookProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallOriginal(UINT message, WPARAM wParam, LPARAM lParam);
    // What the control does with a character that OnKeyPress let through.
    virtual LRESULT DefaultChar(WPARAM character, LPARAM lParam);

private:
    static LRESULT CALLBACK StaticHookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnKey(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnChar(WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    WNDPROC original_ = nullptr;
};

TShiftState CurrentShiftState();
