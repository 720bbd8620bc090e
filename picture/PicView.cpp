#include "picture/PicView.h"

#include "framework/Graphics.h"

namespace {

constexpr int kInitialSize = 105;
constexpr unsigned char kDefaultQuality = 25;
constexpr unsigned char kDefaultSmoothing = 5;
constexpr WPARAM kCtrlC = 3;
constexpr WPARAM kCtrlV = 22;
constexpr WPARAM kCtrlX = 24;

bool KeyIsDown(int key) { return ::GetKeyState(key) < 0; }

} // namespace

TPicView::TPicView() : color_(clBtnFace())
{
    picture_.OnChange = [this] { PictureChanged(); };
}

void TPicView::Create(HWND parent, int id, int left, int top)
{
    CreateParams params;
    params.className = "TPicView";
    params.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (borderStyle_ == bsSingle ? WS_BORDER : 0);
    params.left = left;
    params.top = top;
    params.width = kInitialSize;
    params.height = kInitialSize;
    params.parent = parent;
    params.id = id;
    CreateHandle(params);
    PictureChanged();
}

int TPicView::Width() const
{
    RECT rect{};
    ::GetWindowRect(Handle(), &rect);
    return rect.right - rect.left;
}

int TPicView::Height() const
{
    RECT rect{};
    ::GetWindowRect(Handle(), &rect);
    return rect.bottom - rect.top;
}

void TPicView::Repaint()
{
    if (Handle())
        ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TPicView::PictureChanged()
{
    shrunk_ = TBitmap();
    if (!Handle())
        return;
    if (autoSize_ && picture_.Width() > 0 && picture_.Height() > 0)
        ::SetWindowPos(Handle(), nullptr, 0, 0, picture_.Width(), picture_.Height(),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const TBitmap* bitmap = picture_.HeldBitmap();
    SetOpaque(bitmap && bitmap->Width() == Width() && bitmap->Height() == Height());
    Repaint();
}

void TPicView::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    PictureChanged();
}

void TPicView::SetCenter(bool center) { SetAndRepaint(center_, center); }

void TPicView::SetBorderStyle(TBorderStyle borderStyle)
{
    if (borderStyle == borderStyle_)
        return;
    borderStyle_ = borderStyle;
    if (!Handle())
        return;
    LONG_PTR style = ::GetWindowLongPtrA(Handle(), GWL_STYLE);
    style = borderStyle == bsSingle ? (style | WS_BORDER) : (style & ~static_cast<LONG_PTR>(WS_BORDER));
    ::SetWindowLongPtrA(Handle(), GWL_STYLE, style);
    ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Repaint();
}

void TPicView::SetJPegSaveQuality(unsigned char quality)
{
    jpegSaveQuality_ = quality >= 1 && quality <= 100 ? quality : kDefaultQuality;
}

void TPicView::SetJPegSaveSmooth(unsigned char smooth) { jpegSaveSmooth_ = smooth <= 100 ? smooth : kDefaultSmoothing; }

void TPicView::SetStretch(bool stretch)
{
    if (stretch == stretch_)
        return;
    stretch_ = stretch;
    Repaint();
    if (stretch_)
        SetStretchRatio(false);
}

void TPicView::SetStretchRatio(bool stretchRatio)
{
    if (stretchRatio == stretchRatio_)
        return;
    stretchRatio_ = stretchRatio;
    Repaint();
    if (stretchRatio_)
        SetStretch(false);
}

void TPicView::ClearPicture()
{
    if (FScrollActive || FCreditActive)
        SetColor(FSavedColor);
    FScrollActive = false;
    FCreditActive = false;
    picture_.Clear();
}

// The standard object drops a mnemonic "&" from the window text: an "&" of
// the name goes in doubled.
void TPicView::SetAccessibleName(const std::string& name)
{
    std::string text;
    for (char c : name)
        text += c == '&' ? std::string("&&") : std::string(1, c);
    ::SetWindowTextA(Handle(), text.c_str());
}

HPALETTE TPicView::GetPalette() const
{
    if (libPalette_)
        return nullptr;
    const TBitmap* bitmap = picture_.HeldBitmap();
    return bitmap ? bitmap->Palette() : nullptr;
}

void TPicView::CopyToClipboard()
{
    if (picture_.Graphic())
        picture_.SaveToClipboard(Handle());
}

void TPicView::CutToClipboard()
{
    if (!picture_.Graphic())
        return;
    CopyToClipboard();
    picture_.Clear();
}

void TPicView::PasteFromClipboard()
{
    if (!TPicture::ClipboardHasPicture())
        return;
    FScrollActive = false;
    FCreditActive = false;
    picture_.LoadFromClipboard(Handle());
}

void TPicView::KeyDown(WPARAM key)
{
    const bool shift = KeyIsDown(VK_SHIFT);
    const bool ctrl = KeyIsDown(VK_CONTROL);
    if (key == VK_INSERT && shift)
        PasteFromClipboard();
    else if (key == VK_INSERT && ctrl)
        CopyToClipboard();
    else if (key == VK_DELETE && shift)
        CutToClipboard();
}

void TPicView::KeyPress(WPARAM character)
{
    if (character == kCtrlC)
        CopyToClipboard();
    else if (character == kCtrlV)
        PasteFromClipboard();
    else if (character == kCtrlX)
        CutToClipboard();
}

void TPicView::EraseBackground(HDC dc)
{
    RECT client;
    ::GetClientRect(Handle(), &client);
    UniqueBrush brush(::CreateSolidBrush(color_));
    ::FillRect(dc, &client, brush.get());
}

void TPicView::RealizeOwnPalette()
{
    HPALETTE palette = GetPalette();
    if (!palette)
        return;
    WindowDC dc(Handle());
    HPALETTE previous = ::SelectPalette(dc.get(), palette, FALSE);
    if (::RealizePalette(dc.get()) > 0)
        Repaint();
    ::SelectPalette(dc.get(), previous, FALSE);
}

LRESULT TPicView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CUT:
        CutToClipboard();
        return 0;
    case WM_COPY:
        CopyToClipboard();
        return 0;
    case WM_PASTE:
        PasteFromClipboard();
        return 0;
    case kScrollStepMessage:
        OnScrollStep();
        return 0;
    case kCreditStepMessage:
        OnCreditStep();
        return 0;
    case WM_KEYDOWN:
        KeyDown(wParam);
        return 0;
    case WM_CHAR:
        KeyPress(wParam);
        return 0;
    case WM_LBUTTONDOWN:
        ::SetFocus(Handle());
        return 0;
    case WM_QUERYNEWPALETTE:
        RealizeOwnPalette();
        return GetPalette() ? TRUE : FALSE;
    case WM_PALETTECHANGED:
        if (reinterpret_cast<HWND>(wParam) != Handle())
            RealizeOwnPalette();
        return 0;
    }
    return TWindow::WindowProc(message, wParam, lParam);
}
