#pragma once
// The message demo's window: one picture control of 352 x 264 that shows a
// scrolling-message or credit-box file, moved by a timer every 10 ms.
#include <windows.h>

#include <string>

#include "framework/Form.h"
#include "picture/PicView.h"

class TMessageDemoForm : public TForm {
public:
    static constexpr const char* kCaption = "Lumoscope32 message demo";
    static constexpr int kViewWidth = 352;
    static constexpr int kViewHeight = 264;

    // Shows the window and loads the file into the control.
    explicit TMessageDemoForm(const std::string& fileName);
    ~TMessageDemoForm() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    TPicView view_;
    // The step message for the file's kind; 0 for any other file.
    UINT stepMessage_ = 0;
};
