#pragma once
// The full-screen view: a borderless black window, shown maximised and
// modally, with the current picture at its actual size in the top-left
// corner. The cursor keys and the paging keys scroll a picture larger than
// the screen; Enter, Esc, Space or a click close the window.
#include "controls/ControlHook.h"
#include "framework/Form.h"
#include "picture/PicView.h"

class TForm2 : public TForm {
public:
    // Created hidden; the picture's size for display is read from the main
    // window's picture control.
    explicit TForm2(const TPicView& mainPicture);

    TPicView PicView1;

    void FormShow();
    void FormKeyDown(WORD& key, TShiftState shift);
    void FormKeyPress(char& key);
    void FormClick();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void MovePicture(int left, int top);
    RECT PictureRect() const;

    const TPicView& mainPicture_;
    bool buttonDown_ = false;
};
