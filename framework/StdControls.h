#pragma once
// Thin owners of the system's standard controls, with the few properties the
// program's windows use.
#include <string>

#include "framework/Window.h"

struct ControlPlacement {
    HWND parent = nullptr;
    int id = 0;
    RECT bounds{};
    HFONT font = nullptr;
    DWORD helpContext = 0;
};

class TStdControl {
public:
    HWND Handle() const { return window_.get(); }
    std::string Text() const { return WindowText(Handle()); }
    void SetText(const std::string& text) { ::SetWindowTextA(Handle(), text.c_str()); }
    bool Enabled() const { return ::IsWindowEnabled(Handle()) != FALSE; }
    void SetEnabled(bool enabled) { ::EnableWindow(Handle(), enabled ? TRUE : FALSE); }
    void SetFocus() { ::SetFocus(Handle()); }

protected:
    void CreateControl(const char* className, const std::string& text, DWORD style, DWORD exStyle,
                       const ControlPlacement& placement);

private:
    UniqueWindow window_;
};

class TButton : public TStdControl {
public:
    void Create(const ControlPlacement& placement, const std::string& caption)
    {
        CreateControl("BUTTON", caption, BS_PUSHBUTTON | WS_TABSTOP, 0, placement);
    }
};

// A single-line edit field; upper-case turns every typed letter to upper case.
class TEdit : public TStdControl {
public:
    void Create(const ControlPlacement& placement, const std::string& text, bool upperCase)
    {
        CreateControl("EDIT", text, ES_AUTOHSCROLL | WS_TABSTOP | (upperCase ? ES_UPPERCASE : 0), WS_EX_CLIENTEDGE,
                      placement);
    }
};

class TLabel : public TStdControl {
public:
    void Create(const ControlPlacement& placement, const std::string& caption)
    {
        CreateControl("STATIC", caption, SS_CENTER | SS_NOPREFIX, 0, placement);
    }
};
