#include "app/TForm1.h"

#include "text/PathText.h"
#include "app/ProgramValues.h"
#include "framework/Application.h"
#include "framework/Screen.h"

namespace {

enum ControlId {
    idPanel6 = 100, idDriveComboBox1, idEdit1, idFileListBox1, idPanel3, idBtnStretch, idPanelLED, idPanel4,
    idButtonVollbild, idButtonExit, idButtonCpy, idPanel1, idPanel2, idLabel1, idLabel2, idPanel5, idPicView1
};

constexpr DWORD kButtonHelp = 120;
constexpr DWORD kBrowserHelp = 130;
constexpr unsigned char kPathLineLength = 30;

PanelStyle LoweredPanel(int borderWidth = 0)
{
    PanelStyle style;
    style.bevelInner = bvLowered;
    style.borderWidth = borderWidth;
    return style;
}

// A path may hold blanks: wrapped, its second line would fall below the
// label. One centred line, cut with an ellipsis when it is too wide.
void KeepOnOneLine(HWND label)
{
    ::SetWindowLongA(label, GWL_STYLE, ::GetWindowLongA(label, GWL_STYLE) | SS_ENDELLIPSIS);
}

} // namespace

TForm1::TForm1(const ProgramLocation& program) : Program(program)
{
    FormParams params;
    params.className = "TForm1";
    params.clientWidth = 598;
    params.clientHeight = 449;
    params.color = clOlive;
    params.icon = ::LoadIconA(::GetModuleHandleA(nullptr), "MAINICON");
    CreateForm(params);
    CreateControls();
    FormCreate();
    if (!::IsWindowVisible(Handle()))
        ::ShowWindow(Handle(), SW_SHOWNORMAL);
    Edit1.SetFocus();
}

TForm1::~TForm1()
{
    FormDestroy();
}

void TForm1::CreateControls()
{
    BrowserFont = CreateUiFont("MS Sans Serif", 13);
    PreviewCaptionFont = CreateUiFont("Times New Roman", 32, true);
    CreateBrowserPanel();
    CreateButtonPanels();
    CreatePreviewAndInfo();
}

void TForm1::CreateBrowserPanel()
{
    Panel6.Create(Handle(), idPanel6, Bounds(16, 38, 204, 280), LoweredPanel(1));
    HWND panel = Panel6.Handle();
    // The drive box checks its drive as soon as its window exists, which
    // needs the name field and the file list: it is created last and moved
    // to the front of the tab order.
    ConnectBrowserEvents();
    Edit1.Create({panel, idEdit1, Bounds(40, 34, 120, 24), BrowserFont.get(), kBrowserHelp}, "*.*", true);
    Edit1Keys.Attach(Edit1.Handle());
    FileListBox1.SetFileType(ftReadOnly | ftHidden | ftDirectory | ftArchive | ftNormal);
    FileListBox1.SetShowGlyphs(true);
    FileListBox1.Create(panel, idFileListBox1, Bounds(8, 62, 188, 212), BrowserFont.get());
    FileListBox1.SetFileEdit(Edit1.Handle());
    ::SetWindowContextHelpId(FileListBox1.Handle(), kBrowserHelp);
    DriveComboBox1.SetTextCase(tcUpperCase);
    DriveComboBox1.Create(panel, idDriveComboBox1, Bounds(20, 8, 164, 22), BrowserFont.get());
    ::SetWindowContextHelpId(DriveComboBox1.Handle(), kBrowserHelp);
    ::SetWindowPos(DriveComboBox1.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm1::CreateButtonPanels()
{
    Panel3.Create(Handle(), idPanel3, Bounds(16, 322, 112, 36), LoweredPanel(1));
    BtnStretch.Create({Panel3.Handle(), idBtnStretch, Bounds(32, 6, 68, 24), Font(), kButtonHelp}, "&STRETCH");
    PanelStyle led;
    led.color = clMaroon;
    PanelLED.Create(Panel3.Handle(), idPanelLED, Bounds(12, 12, 12, 12), led);
    ::EnableWindow(PanelLED.Handle(), FALSE);

    Panel4.Create(Handle(), idPanel4, Bounds(132, 322, 88, 36), LoweredPanel(1));
    ButtonVollbild.Create({Panel4.Handle(), idButtonVollbild, Bounds(8, 6, 72, 24), Font(), kButtonHelp}, "&FULLVIEW");
    ButtonVollbild.SetEnabled(false);

    ButtonExit.Create({Handle(), idButtonExit, Bounds(16, 408, 204, 24), Font(), kButtonHelp}, "E &X I T");
    ButtonCpy.Create({Handle(), idButtonCpy, Bounds(16, 360, 204, 24), Font(), kButtonHelp}, "&COPY TO CLIPBOARD");
    ButtonCpy.SetEnabled(false);
}

void TForm1::CreatePreviewAndInfo()
{
    PanelStyle preview = LoweredPanel();
    preview.bevelWidth = 2;
    preview.color = clBlack;
    preview.caption = "Pictrix V1.1";
    preview.font = PreviewCaptionFont.get();
    preview.fontColor = clRed;
    Panel1.Create(Handle(), idPanel1, Bounds(236, 0, 360, 272), preview);
    PicView1.SetLibPalette(false);
    PicView1.SetImageDither(false);
    PicView1.SetJPegSaveQuality(15);
    PicView1.SetJPegSaveSmooth(0);
    PicView1.SetUseTwainWindow(false);
    PicView1.Create(Panel1.Handle(), idPicView1, 4, 4);
    ::ShowWindow(PicView1.Handle(), SW_HIDE);
    ResetPreviewSize();

    Panel2.Create(Handle(), idPanel2, Bounds(4, 0, 228, 36), LoweredPanel());
    Label1.Create({Panel2.Handle(), idLabel1, Bounds(100, 4, 25, 13), Font()}, "Path:");
    Label2.Create({Panel2.Handle(), idLabel2, Bounds(4, 20, 220, 13), Font()}, "");
    KeepOnOneLine(Label2.Handle());

    PanelStyle info = LoweredPanel();
    info.alignment = taLeftJustify;
    info.font = Font();
    Panel5.Create(Handle(), idPanel5, Bounds(16, 386, 204, 20), info);
}

void TForm1::FormCreate()
{
    SetTitle("Lumoscope32 - [Noname]");
    SetAutoScroll(true);
    FileListBox1.SetItemIndex(0);
    RefreshPathLine();
    PicView1.SetStretch(false);
    Panel5.SetCaption("Picture-Info:");
    LastGoodDrive = DriveComboBox1.Drive();
    ExtendSystemMenu();
    FollowDisplayColours(true);
    CheckHelpFiles();
    Application().OnMessage = [this](MSG& message, bool& handled) { AppMessage(message, handled); };
    ApplyInitialShowState();
}

void TForm1::ApplyInitialShowState()
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    ::GetStartupInfoA(&startup);
    switch (startup.wShowWindow) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE: ::ShowWindow(Handle(), SW_MINIMIZE); break;
    case SW_SHOWMAXIMIZED: ::ShowWindow(Handle(), SW_SHOWMAXIMIZED); break;
    default: break;
    }
}

void TForm1::OnPaint() { FormPaint(); }

void TForm1::FormPaint()
{
    // Puts the cursor back after the full-screen view and busy phases.
    Screen().SetCursor(crDefault);
}

void TForm1::OnCommand(int id, int notifyCode, HWND /*control*/)
{
    if (notifyCode == BN_CLICKED) {
        switch (id) {
        case idButtonExit: ButtonExitClick(); return;
        case idBtnStretch: BtnStretchClick(); return;
        case idButtonVollbild: ButtonVollbildClick(); return;
        case idButtonCpy: ButtonCpyClick(); return;
        default: return;
        }
    }
    if (id == idEdit1 && notifyCode == EN_CHANGE)
        Edit1Change();
}

void TForm1::RefreshPathLine() { Label2.SetText(ShortenPath(FileListBox1.Directory(), kPathLineLength)); }

void TForm1::ButtonExitClick()
{
    ::SendMessageA(Handle(), WM_CLOSE, 0, 0);
}

void TForm1::FormDestroy()
{
    Application().OnMessage = nullptr;
    Application().HelpCommand(HELP_QUIT, 0);
}
