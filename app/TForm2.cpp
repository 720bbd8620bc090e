#include "app/TForm2.h"

#include "framework/Application.h"
#include "framework/Screen.h"

namespace {

constexpr int kPictureId = 100;
constexpr int kLineStep = 2;
constexpr int kPageStep = 10;

} // namespace

TForm2::TForm2(const TPicView& mainPicture) : mainPicture_(mainPicture)
{
    FormParams params;
    params.className = "TForm2";
    params.style = WS_POPUP | WS_CLIPCHILDREN;
    params.clientWidth = 120;
    params.clientHeight = 111;
    params.color = clBlack;
    params.fontFace = "System";
    params.fontHeight = 13;
    CreateForm(params);

    PicView1.SetColor(clBlack);
    PicView1.SetLibPalette(false);
    PicView1.SetImageDither(false);
    PicView1.SetJPegSaveQuality(15);
    PicView1.SetJPegSaveSmooth(0);
    PicView1.Create(Handle(), kPictureId, 0, 0);
    // Disabled: clicks over the picture reach the window itself.
    ::EnableWindow(PicView1.Handle(), FALSE);
}

void TForm2::FormShow()
{
    Screen().SetCursor(crNone);
    ::SetWindowPos(PicView1.Handle(), nullptr, 0, 0, mainPicture_.ImageWidth, mainPicture_.ImageHeight,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT TForm2::PictureRect() const
{
    RECT rect;
    ::GetWindowRect(PicView1.Handle(), &rect);
    ::MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void TForm2::MovePicture(int left, int top)
{
    ::SetWindowPos(PicView1.Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm2::FormKeyDown(WORD& key, TShiftState /*shift*/)
{
    Application().ProcessMessages();
    RECT client;
    ::GetClientRect(Handle(), &client);
    const RECT picture = PictureRect();
    const int left = picture.left;
    const int top = picture.top;
    const int right = picture.right;    // Left + Width
    const int bottom = picture.bottom;  // Top + Height
    const int width = right - left;
    const int height = bottom - top;
    switch (key) {
    case VK_DOWN:
        if (client.bottom < bottom)
            MovePicture(left, top - kLineStep);
        break;
    case VK_UP:
        if (top < 0)
            MovePicture(left, top + kLineStep);
        break;
    case VK_RIGHT:
        if (client.right < right)
            MovePicture(left - kLineStep, top);
        break;
    case VK_LEFT:
        if (left < 0)
            MovePicture(left + kLineStep, top);
        break;
    case VK_NEXT:
        if (client.bottom + kPageStep - 1 < bottom)
            MovePicture(left, top - kPageStep);
        else if (client.bottom < bottom)
            MovePicture(left, client.bottom - height);
        break;
    case VK_PRIOR:
        if (top < -(kPageStep - 1))
            MovePicture(left, top + kPageStep);
        else if (top < 0)
            MovePicture(left, 0);
        break;
    case VK_END:
        if (client.right + kPageStep - 1 < right)
            MovePicture(left - kPageStep, top);
        else if (client.right < right)
            MovePicture(client.right - width, top);
        break;
    case VK_HOME:
        if (left < -(kPageStep - 1))
            MovePicture(left + kPageStep, top);
        else if (left < 0)
            MovePicture(0, top);
        break;
    default: break;
    }
}

void TForm2::FormKeyPress(char& key)
{
    if (key == '\r' || key == '\x1b' || key == ' ')
        Close();
}

void TForm2::FormClick()
{
    Screen().SetCursor(crDefault);
    Close();
}

LRESULT TForm2::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_WINDOWPOSCHANGING:
        // Every showing, maximised ones included (those send no WM_SHOWWINDOW).
        if ((reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_SHOWWINDOW) && !::IsWindowVisible(Handle()))
            FormShow();
        break;
    case WM_KEYDOWN: {
        WORD key = static_cast<WORD>(wParam);
        FormKeyDown(key, CurrentShiftState());
        return 0;
    }
    case WM_CHAR: {
        char key = static_cast<char>(wParam);
        FormKeyPress(key);
        return 0;
    }
    case WM_LBUTTONDOWN:
        buttonDown_ = true;
        return 0;
    case WM_LBUTTONUP:
        if (buttonDown_) {
            buttonDown_ = false;
            FormClick();
        }
        return 0;
    }
    return TForm::WindowProc(message, wParam, lParam);
}
