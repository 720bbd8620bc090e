#pragma once
// Base of the program's own window classes: one C++ object per window, the
// window procedure forwarded to WindowProc, exceptions stopped at the window
// procedure and shown by the application's default error display.
#include <windows.h>

#include <string>

#include "framework/Handles.h"

class TWindow {
public:
    TWindow() = default;
    virtual ~TWindow();
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    HWND Handle() const { return handle_.get(); }

    // Draws the client area: WM_PAINT and WM_PRINTCLIENT both come here.
    virtual void PaintContent(HDC /*dc*/) {}

    // An opaque window paints every pixel of its client area itself, so the
    // background is not erased before a paint.
    bool Opaque() const { return opaque_; }
    void SetOpaque(bool opaque) { opaque_ = opaque; }

protected:
    struct CreateParams {
        const char* className = nullptr;
        std::string caption;
        DWORD style = 0;
        DWORD exStyle = 0;
        int left = CW_USEDEFAULT;
        int top = CW_USEDEFAULT;
        int width = CW_USEDEFAULT;
        int height = CW_USEDEFAULT;
        HWND parent = nullptr;
        int id = 0;
        HICON icon = nullptr;
    };

    // Registers the class on first use and creates the window; throws when
    // the window system refuses.
    void CreateHandle(const CreateParams& params);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Fills the background before a paint unless the window is opaque.
    virtual void EraseBackground(HDC /*dc*/) {}
    // After the content of every WM_PAINT.
    virtual void OnPaint() {}

private:
    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaintMessage();
    void OnPrintClient(HDC dc, LPARAM flags);

    UniqueWindow handle_;
    bool opaque_ = false;
};

// Creates a child window of a system class ("BUTTON", "EDIT", ...).
UniqueWindow CreateChildControl(HWND parent, const char* className, const std::string& text, DWORD style,
                                DWORD exStyle, int left, int top, int width, int height, int id);

std::string WindowText(HWND window);

// Notification reflection: a control class built on a system control (an
// owner-drawn list, say) handles its own WM_COMMAND and WM_DRAWITEM. It opts
// in with EnableReflection; the form that finally receives the notification
// sends it back to the control as kReflectedBase + the original message.
constexpr UINT kReflectedBase = WM_APP + 0x1C00;
void EnableReflection(HWND control, bool enable);
// True (with the control's answer) when the message went back to a control.
bool ReflectNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
