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

private:
    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UniqueWindow handle_;
};

// Creates a child window of a system class ("BUTTON", "EDIT", ...).
UniqueWindow CreateChildControl(HWND parent, const char* className, const std::string& text, DWORD style,
                                DWORD exStyle, int left, int top, int width, int height, int id);

std::string WindowText(HWND window);
