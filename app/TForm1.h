#pragma once
// The main window: browser panel, preview panel, buttons, path line and
// picture-information line.
#include "controls/TDriveComboBox.h"
#include "controls/TFileListBox.h"
#include <string>

#include "app/PreviewFit.h"
#include "framework/Form.h"
#include "framework/Panel.h"
#include "framework/StdControls.h"
#include "picture/PicView.h"
#include "system/ProgramPaths.h"

class TForm2;

class TForm1 : public TForm {
public:
    // The system-menu commands the window adds.
    static constexpr UINT kAboutCommand = 272;
    static constexpr UINT kHelpCommand = 288;
    static constexpr const char* kAboutText =
        "Lumoscope32 V1.1 - Picture Viewer for BMP, GIF, ICO, JPG, PCX, TIF and WMF files";

    // Creates the window and its controls, runs FormCreate and shows it; the
    // help files are looked for beside the program.
    explicit TForm1(const ProgramLocation& program = ThisProgram());
    ~TForm1() override;

    void AppMessage(MSG& message, bool& handled);

    // Shows a picture in the preview (and gives it to the full-screen view);
    // a picture that cannot be read empties the preview and says so.
    void LoadPicture(const std::string& path);
    // Sizes the preview to the picture: actual size, or fitted while Stretch.
    void FitPreview();
    void ResetPreviewSize();

    const ProgramLocation Program;

    // The full-screen view, created after this window.
    TForm2* Form2 = nullptr;

    // Fonts first: the controls below use them.
    UniqueFont BrowserFont;
    UniqueFont PreviewCaptionFont;

    TPanel Panel6;                 // the browser panel around the next three
    TDriveComboBox DriveComboBox1; // the drive box
    TEdit Edit1;                   // the name field: mask, or typed name for the type-ahead search
    TFileListBox FileListBox1;     // the file list of the current directory
    TPanel Panel3;                 // holds the stretch button and its lamp
    TButton BtnStretch;            // switches fitting the preview to its panel
    TPanel PanelLED;               // the lamp: lit while the preview is stretched
    TPanel Panel4;                 // holds the full-screen button
    TButton ButtonVollbild;        // shows the picture in the full-screen view
    TButton ButtonExit;            // closes the program
    TButton ButtonCpy;             // copies the picture to the clipboard
    TPanel Panel1;                 // the preview panel, black with its caption while empty
    TPicView PicView1;             // the preview picture
    TPanel Panel2;                 // holds the path line
    TLabel Label1;                 // the path line's title "Path:"
    TLabel Label2;                 // the path line: the shortened current directory
    TPanel Panel5;                 // the picture-information line

    // The drive that last answered the access probe; a failing drive goes
    // back to it.
    char LastGoodDrive = 'C';
    // ButtonVollbild's and ButtonCpy's Tag: no picture is loaded, so the two
    // stay disabled after busy work.
    bool NoPictureLoaded = true;
    // Edit1's Tag: a key the user typed is being processed, so the change
    // runs the type-ahead search (a text the file list writes does not).
    bool Edit1Typing = false;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    void OnCommand(int id, int notifyCode, HWND control) override;

private:
    void CreateControls();
    void CreateBrowserPanel();
    void CreateButtonPanels();
    void CreatePreviewAndInfo();

    void FormCreate();
    void FormPaint();
    void FormDestroy();
    void ButtonExitClick();

    // The browser panel (TForm1Browser*.cpp).
    void ConnectBrowserEvents();
    void RefreshPathLine();
    void DriveComboBox1Change(TDriveComboBox& sender);
    void DriveComboBox1KeyPress(char& key);
    void Edit1KeyPress(char& key);
    void Edit1KeyUp(WORD& key, TShiftState shift);
    void Edit1Change();
    void FileListBox1KeyDown(WORD& key, TShiftState shift);
    void FileListBox1KeyPress(char& key);
    void FileListBox1DblClick(TFileListBox& sender);
    std::string ListedPath(const std::string& name) const;
    std::string SelectedEntryText() const;
    bool SelectedEntryIsFile() const;
    void DeleteSelectedFile(bool forGood);
    void RenameSelectedFile();
    void RereadKeepingIndex(int index);

    // Picture loading and the picture buttons (TForm1Preview.cpp).
    void BtnStretchClick();
    void ButtonVollbildClick();
    void ButtonCpyClick();
    void EnterBusyState();
    void LeaveBusyState();
    bool ShowLoadedPicture(const std::string& path);
    void EmptyPreview();
    void EnablePictureButtons();
    // After the shown picture's file was deleted or renamed: the preview
    // empties, so the path can be opened again.
    void ForgetShownPicture(const std::string& path);
    void SetPreviewSize(PreviewSize size);
    void SetTitle(const std::string& title);

    // Takes the name field's keys.
    TControlHook Edit1Keys;

    // The display's colours (TForm1Colours.cpp): taken at the start, when the
    // window moves to another monitor and when the displays change.
    void FollowDisplayColours(bool displaysChanged);
    HMONITOR DisplayMonitor = nullptr;

    void ExtendSystemMenu();
    void CheckHelpFiles();
    void ApplyInitialShowState();
    void ShowAbout();
    void ShowHelpContents();
};
