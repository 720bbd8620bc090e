// Picture loading and the preview: the busy state around a load, the
// information line, the title, the full-screen view's copy of the picture,
// and the three picture buttons.
#include "controls/FileEntries.h"
#include "text/PathText.h"
#include "app/ProgramValues.h"
#include "app/TForm1.h"
#include "app/TForm2.h"
#include "framework/Application.h"
#include "framework/Dialogs.h"
#include "framework/Exceptions.h"
#include "framework/Screen.h"

namespace {

constexpr int kPanelMargin = 8;
constexpr PreviewSize kDesignPictureArea{352, 264};

void Resize(HWND window, int width, int height)
{
    ::SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The hourglass while it lives.
class BusyCursor {
public:
    BusyCursor() { Screen().SetCursor(crHourGlass); }
    ~BusyCursor() { Screen().SetCursor(crDefault); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

void TForm1::SetTitle(const std::string& title)
{
    Application().SetTitle(title);
    SetCaption(Application().Title());
}

void TForm1::LoadPicture(const std::string& path)
{
    if (path == CurrentPicturePath)
        return;
    CurrentPicturePath = path;
    EnterBusyState();
    bool shown = false;
    try {
        shown = ShowLoadedPicture(path);
    } catch (const EInOutError&) {
        shown = false;
    } catch (const std::exception& error) {
        // An icon or metafile the window system cannot read, say: its own
        // message instead of ours, once.
        EmptyPreview();
        LeaveBusyState();
        Application().HandleException(error);
        return;
    }
    if (!shown) {
        EmptyPreview();
        MessageDlg(UpperAscii(FileNamePart(path)) + " is not a valid Bitmapfile !", mtError, mbOK);
    }
    LeaveBusyState();
}

void TForm1::EnterBusyState()
{
    for (TButton* button : {&ButtonCpy, &BtnStretch, &ButtonVollbild, &ButtonExit})
        button->SetEnabled(false);
    ::EnableWindow(Handle(), FALSE);
    Screen().SetCursor(crHourGlass);
}

void TForm1::LeaveBusyState()
{
    Screen().SetCursor(crDefault);
    EnablePictureButtons();
    BtnStretch.SetEnabled(true);
    ButtonExit.SetEnabled(true);
    ::EnableWindow(Handle(), TRUE);
    FileListBox1.SetFocus();
}

void TForm1::EnablePictureButtons()
{
    ButtonCpy.SetEnabled(!NoPictureLoaded);
    ButtonVollbild.SetEnabled(!NoPictureLoaded);
}

// False when the control could not read the file.
bool TForm1::ShowLoadedPicture(const std::string& path)
{
    // The full-screen view lets go of the old pixels before the new ones are
    // decoded: a load never holds two pictures.
    if (Form2)
        Form2->PicView1.Picture().Clear();
    // The loader fills the picture's information as it reads the file;
    // asking the library again would read the file again and tell a failure
    // a second time.
    PicView1.SetImageName(path);
    // A header that reads well in front of pixels that do not still leaves
    // the control without a picture: that is a failed load too.
    if (PicView1.ImageWidth <= 0 || !PicView1.HoldsPicture())
        return false;
    FitPreview();
    ::ShowWindow(PicView1.Handle(), SW_SHOW);
    Panel5.SetCaption(PictureInfoText(PicView1.ImageWidth, PicView1.ImageHeight,
                                      static_cast<long long>(PicView1.ImageBitsPixel) * PicView1.ImagePlanes));
    const std::string name = UpperAscii(FileNamePart(path));
    SetTitle("Lumoscope32 - [" + name + "]");
    PicView1.SetAccessibleName(PictureAccessibleName(name, PicView1.ImageWidth, PicView1.ImageHeight));
    if (Form2)
        Form2->PicView1.SetPicture(PicView1.Picture());
    NoPictureLoaded = false;
    return true;
}

void TForm1::ForgetShownPicture(const std::string& path)
{
    if (!EqualIgnoringCase(path, CurrentPicturePath))
        return;
    EmptyPreview();
    EnablePictureButtons();
}

void TForm1::EmptyPreview()
{
    Screen().SetCursor(crDefault);
    ::ShowWindow(PicView1.Handle(), SW_HIDE);
    PicView1.SetImageName("");
    if (Form2)
        Form2->PicView1.SetImageName("");
    CurrentPicturePath.clear();
    Panel5.SetCaption("Picture-Info:");
    SetTitle("Lumoscope32 - [Noname]");
    PicView1.SetAccessibleName("");
    NoPictureLoaded = true;
    ResetPreviewSize();
}

void TForm1::FitPreview()
{
    const int width = PicView1.ImageWidth;
    const int height = PicView1.ImageHeight;
    if (width <= 0)
        return;
    SetPreviewSize(PicView1.Stretch() ? FittedPreviewSize(width, height) : ActualPreviewSize(width, height));
}

void TForm1::ResetPreviewSize() { SetPreviewSize(kDesignPictureArea); }

void TForm1::SetPreviewSize(PreviewSize area)
{
    Resize(Panel1.Handle(), area.width + kPanelMargin, area.height + kPanelMargin);
    Resize(PicView1.Handle(), area.width, area.height);
    RealignScrollBars();
}

void TForm1::BtnStretchClick()
{
    FileListBox1.SetFocus();
    PanelLED.SetColor(PanelLED.Color() == clMaroon ? clRed : clMaroon);
    PicView1.SetStretch(!PicView1.Stretch());
    FitPreview();
}

void TForm1::ButtonVollbildClick()
{
    FileListBox1.SetFocus();
    if (Form2)
        Form2->ShowModal(SW_SHOWMAXIMIZED);
}

void TForm1::ButtonCpyClick()
{
    BusyCursor busy;
    PicView1.CopyToClipboard();
}
