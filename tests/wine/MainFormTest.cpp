#include "TestSupport.h"
#include "app/TForm1.h"
#include "framework/Screen.h"
#include "system/ProgramPaths.h"
#include "text/PathText.h"

namespace {

// A program folder in the temp folder, with or without the help files.
struct ProgramDirectory {
    ProgramDirectory(bool withHelp, bool withContents, const char* name = "lumo-help") : folder(name)
    {
        if (withHelp)
            folder.File("LUMSC32.HLP", "help");
        if (withContents)
            folder.File("LUMSC32.CNT", "contents");
    }
    ProgramLocation Location() const { return LocateProgram(folder / "LUMSC32.EXE"); }

    ScratchFolder folder;
};

std::vector<std::pair<std::string, UINT>> helpCalls;  // file and command

BOOL WINAPI RecordHelp(HWND, LPCSTR file, UINT command, ULONG_PTR)
{
    helpCalls.emplace_back(file ? file : "", command);
    return TRUE;
}

bool TakeQuitMessage()
{
    MSG message;
    return ::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        helpCalls.clear();
        Application().SetHelpFunction(RecordHelp);
    }
    void TearDown() override { Application().SetHelpFunction(::WinHelpA); }

    ProgramDirectory plain{false, false, "lumo-no-help"};
};

} // namespace

TEST_F(MainFormTest, StartsWithItsTextsEmptyPreviewFocusedNameFieldAndHelpIds)
{
    TForm1 f(plain.Location());
    EXPECT_EQ((std::vector<std::string>{f.Caption(), Application().Title(), f.BtnStretch.Text(),
                                        f.ButtonVollbild.Text(), f.ButtonCpy.Text(), f.ButtonExit.Text(),
                                        f.Edit1.Text(), f.Label1.Text(), f.Panel1.Caption(), f.Panel5.Caption()}),
              (std::vector<std::string>{"Lumoscope32 - [Noname]", "Lumoscope32 - [Noname]", "&STRETCH", "&FULLVIEW",
                                        "&COPY TO CLIPBOARD", "E &X I T", "*.*", "Path:", "Pictrix V1.1",
                                        "Picture-Info:"}));
    EXPECT_EQ(f.Label2.Text(), ShortenPath(f.FileListBox1.Directory(), 30));
    EXPECT_FALSE(f.ButtonVollbild.Enabled() || f.ButtonCpy.Enabled() || ::IsWindowEnabled(f.PanelLED.Handle()));
    EXPECT_EQ(f.LastGoodDrive, f.DriveComboBox1.Drive());
    EXPECT_EQ(::GetWindowContextHelpId(f.ButtonExit.Handle()), 120u);
    EXPECT_EQ(::GetWindowContextHelpId(f.Edit1.Handle()), 130u);
    EXPECT_EQ(Application().MainWindow(), f.Handle());
    EXPECT_EQ(::GetFocus(), f.Edit1.Handle());
    // Tab walks the browser panel in order: drive box, name field, file list.
    EXPECT_EQ(::GetNextDlgTabItem(f.Handle(), f.DriveComboBox1.Handle(), FALSE), f.Edit1.Handle());
    EXPECT_EQ(::GetNextDlgTabItem(f.Handle(), f.Edit1.Handle(), FALSE), f.FileListBox1.Handle());
}

TEST_F(MainFormTest, PaintsTheOlivePanelsTheRedPreviewCaptionAndPutsTheDefaultCursorBack)
{
    TForm1 f(plain.Location());
    PixelCanvas form(598, 449), preview(360, 272), led(12, 12);
    f.PaintContent(form.dc());
    EXPECT_EQ(form.At(300, 440), clOlive);
    f.Panel1.PaintContent(preview.dc());
    EXPECT_EQ(preview.At(180, 20), clBlack);
    EXPECT_GT(preview.Count(clRed), 300) << "the caption in large red letters";
    f.PanelLED.PaintContent(led.dc());
    EXPECT_EQ(led.At(6, 6), clMaroon);

    Screen().SetCursor(crHourGlass);
    ::InvalidateRect(f.Handle(), nullptr, TRUE);
    ::UpdateWindow(f.Handle());
    EXPECT_EQ(Screen().Cursor(), crDefault);
}

TEST_F(MainFormTest, TheSystemMenuGetsAboutAndHelpAndAboutShowsTheOneLineInformation)
{
    TForm1 f(plain.Location());
    HMENU menu = ::GetSystemMenu(f.Handle(), FALSE);
    const int count = ::GetMenuItemCount(menu);
    ASSERT_GE(count, 3);
    EXPECT_EQ(::GetMenuState(menu, SC_SIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_TRUE(::GetMenuState(menu, static_cast<UINT>(count - 3), MF_BYPOSITION) & MF_SEPARATOR);
    for (auto [position, id, text] : {std::tuple{count - 2, 272u, "About &Lumoscope ..."},
                                      {count - 1, 288u, "Lumoscope &Help"}}) {
        char shown[64] = {};
        ::GetMenuStringA(menu, static_cast<UINT>(position), shown, sizeof shown, MF_BYPOSITION);
        EXPECT_EQ(::GetMenuItemID(menu, position), id);
        EXPECT_STREQ(shown, text);
    }

    ScriptedDialogs dialogs;
    ::PostMessageA(f.Handle(), WM_SYSCOMMAND, 273, 0);
    ::PostMessageA(f.Handle(), WM_SYSCOMMAND, 272, 0);
    PumpMessages();
    ASSERT_EQ(dialogs.requests.size(), 1u) << "no other command shows it";
    EXPECT_EQ(dialogs.requests[0].kind, DialogRequest::Message);
    EXPECT_EQ(dialogs.requests[0].caption, "Information");
    EXPECT_EQ(dialogs.requests[0].beep, dbInformation);
    ExpectMessage(dialogs.requests[0],
                  "Lumoscope32 V1.1 - Picture Viewer for BMP, GIF, ICO, JPG, PCX, TIF and WMF files", mtInformation,
                  mbOK);
}

// Help is greyed unless both help files exist. The menu's Help opens the
// contents in the window "main", every time; F1 the focused control's topic
// in the help file's own window; the end closes the help.
TEST_F(MainFormTest, HelpNeedsBothFilesAndOpensAndClosesItsTopics)
{
    for (auto [withHelp, withContents] : {std::pair{true, false}, {false, true}}) {
        ProgramDirectory directory(withHelp, withContents);
        Application().SetHelpFile("");
        TForm1 f(directory.Location());
        EXPECT_TRUE(::GetMenuState(::GetSystemMenu(f.Handle(), FALSE), 288, MF_BYCOMMAND) & MF_GRAYED) << withHelp;
        EXPECT_EQ(Application().HelpFile(), "");
    }
    ProgramDirectory directory(true, true);
    const std::string help = directory.Location().helpFile;
    helpCalls.clear();
    {
        TForm1 f(directory.Location());
        EXPECT_FALSE(::GetMenuState(::GetSystemMenu(f.Handle(), FALSE), 288, MF_BYCOMMAND) & MF_GRAYED);
        for (int i = 0; i < 2; ++i)
            ::PostMessageA(f.Handle(), WM_SYSCOMMAND, 288, 0);
        ::SetFocus(f.ButtonExit.Handle());
        ::PostMessageA(f.ButtonExit.Handle(), WM_KEYDOWN, VK_F1, 0);
        PumpMessages();
    }
    const std::vector<std::pair<std::string, UINT>> expected = {
        {help + ">main", HELP_FINDER}, {help + ">main", HELP_FINDER}, {help + ">Window1", HELP_CONTEXT},
        {help + ">Window1", HELP_QUIT}};
    EXPECT_EQ(helpCalls, expected);
    EXPECT_EQ(Application().HelpFile(), help + ">Window1");
}

TEST_F(MainFormTest, ExitAndTheCloseBoxBothEndTheProgram)
{
    for (bool exitButton : {true, false}) {
        TForm1 f(plain.Location());
        TakeQuitMessage();
        if (exitButton)
            ::SendMessageA(f.ButtonExit.Handle(), BM_CLICK, 0, 0);
        else
            ::SendMessageA(f.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(TakeQuitMessage()) << exitButton;
        EXPECT_FALSE(::IsWindowVisible(f.Handle())) << exitButton;
    }
}
