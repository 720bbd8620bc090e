#pragma once
// A top-level form: fixed single border, a background colour, a default
// font for its controls, automatic scroll bars, context help by F1. The
// control that has the keyboard focus when the form loses the activation
// (to a dialog or another program) gets it back when the form returns.
#include <string>

#include "framework/Dialogs.h"
#include "framework/Graphics.h"
#include "framework/Window.h"

// The fixed single border with caption, system menu and the two boxes.
constexpr DWORD kFixedSingleFormStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;

struct FormParams {
    const char* className = nullptr;
    DWORD style = kFixedSingleFormStyle;
    int clientWidth = 0;
    int clientHeight = 0;
    COLORREF color = clBtnFace();
    const char* fontFace = "MS Sans Serif";
    int fontHeight = 11;
    HICON icon = nullptr;
};

class TForm : public TWindow {
public:
    ~TForm() override;
    std::string Caption() const { return WindowText(Handle()); }
    void SetCaption(const std::string& caption) { ::SetWindowTextA(Handle(), caption.c_str()); }
    HFONT Font() const { return font_.get(); }
    bool IsMainForm() const;

    void SetAutoScroll(bool autoScroll);
    bool AutoScroll() const { return autoScroll_; }
    // Shows scroll bars when the controls reach beyond the client area; a
    // scroll position the new range no longer holds is clamped. Runs at
    // every change of the client size too.
    void RealignScrollBars();

    // Fills the background.
    void PaintContent(HDC dc) override;

    // Shows the form with the show command (SW_SHOWMAXIMIZED, say) and runs
    // the messages until it closes; the program's other windows take no input
    // meanwhile. The application-wide cursor in force at the start is put
    // back at the end. Returns the modal result (mrCancel after a close).
    TModalResult ShowModal(int showCommand = SW_SHOW);
    void Close() { ::SendMessageA(Handle(), WM_CLOSE, 0, 0); }

protected:
    void CreateForm(const FormParams& params);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    virtual void OnCommand(int /*id*/, int /*notifyCode*/, HWND /*control*/) {}
    // The close command: the main form ends the application, others hide.
    virtual void OnClose();

private:
    void OnScroll(int bar, int code);
    // Scrolls the controls so that this point of the content is at the top left.
    void MoveContentTo(POINT position);
    LRESULT OnControlColor(HDC dc);
    LRESULT OnActivate(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFocus(WPARAM wParam, LPARAM lParam);
    bool RestoreFocusedControl();

    UniqueBrush brush_;
    UniqueFont font_;
    bool autoScroll_ = false;
    POINT scrollPosition_{0, 0};
    bool realigning_ = false;
    HWND focusedControl_ = nullptr;
    bool modal_ = false;
    TModalResult modalResult_ = mrNone;
};
