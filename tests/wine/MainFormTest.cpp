#include "TestSupport.h"
#include "app/TForm1.h"
#include "framework/Screen.h"
#include "system/ProgramPaths.h"
#include "text/PathText.h"

namespace {

// A program folder in the temp folder with the given help files.
struct ProgramDirectory : ScratchFolder {
    ProgramDirectory(const char* name, std::initializer_list<std::string> files) : ScratchFolder(name) { Fill(files); }
    ProgramLocation Location() const { return LocateProgram(*this / "LUMSC32.EXE"); }
};

using HelpCall = std::tuple<std::string, UINT, ULONG_PTR>;  // file, command, data
std::vector<HelpCall> helpCalls;

BOOL WINAPI RecordHelp(HWND, LPCSTR file, UINT command, ULONG_PTR data)
{
    helpCalls.emplace_back(file ? file : "", command, data);
    return TRUE;
}

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override { Application().SetHelpFunction(RecordHelp); }
    void TearDown() override { Application().SetHelpFunction(::WinHelpA); }

    ProgramDirectory plain{"lumo-no-help", {}};
};

} // namespace

TEST_F(MainFormTest, StartsWithItsTextsAndPanelsAndEndsTheProgramByExit)
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
    EXPECT_EQ(::GetFocus(), f.Edit1.Handle());

    PixelCanvas form(598, 449), preview(360, 272);
    f.PaintContent(form.dc());
    EXPECT_EQ(form.At(300, 440), clOlive);
    f.Panel1.PaintContent(preview.dc());
    EXPECT_GT(preview.Count(clRed), 300) << "the caption in large red letters";
    // A set cursor overrides every window's own until a paint puts the default one back.
    Screen().SetCursor(crHourGlass);
    EXPECT_TRUE(::SendMessageA(f.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(f.Handle()), HTCLIENT));
    EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    ::InvalidateRect(f.Handle(), nullptr, TRUE);
    ::UpdateWindow(f.Handle());
    EXPECT_EQ(Screen().Cursor(), crDefault);

    MSG quit;
    ::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    ::SendMessageA(f.ButtonExit.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_FALSE(::IsWindowVisible(f.Handle()));
}

// Help is greyed unless both help files exist. The menu's Help opens the
// contents in the window "main", every time; F1 the focused control's topic
// in the help file's own window; the end closes the help.
TEST_F(MainFormTest, TheSystemMenuGetsAboutAndHelpWhichNeedsBothHelpFiles)
{
    for (const char* file : {"LUMSC32.HLP", "LUMSC32.CNT"}) {
        ProgramDirectory directory("lumo-help-part", {file});
        Application().SetHelpFile("");
        TForm1 f(directory.Location());
        EXPECT_TRUE(::GetMenuState(::GetSystemMenu(f.Handle(), FALSE), 288, MF_BYCOMMAND) & MF_GRAYED) << file;
        EXPECT_EQ(Application().HelpFile(), "");
    }
    ProgramDirectory directory("lumo-help", {"LUMSC32.HLP", "LUMSC32.CNT"});
    const std::string help = directory.Location().helpFile;
    helpCalls.clear();
    ScriptedDialogs dialogs;
    {
        TForm1 f(directory.Location());
        HMENU menu = ::GetSystemMenu(f.Handle(), FALSE);
        const int count = ::GetMenuItemCount(menu);
        EXPECT_EQ(::GetMenuState(menu, SC_SIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
        EXPECT_TRUE(::GetMenuState(menu, static_cast<UINT>(count - 3), MF_BYPOSITION) & MF_SEPARATOR);
        for (auto [position, id, text] : {std::tuple{count - 2, 272u, "About &Lumoscope ..."},
                                          {count - 1, 288u, "Lumoscope &Help"}}) {
            char shown[64] = {};
            ::GetMenuStringA(menu, static_cast<UINT>(position), shown, sizeof shown, MF_BYPOSITION);
            EXPECT_EQ(::GetMenuItemID(menu, position), id);
            EXPECT_STREQ(shown, text);
            EXPECT_FALSE(::GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED);
        }
        for (WPARAM command : {273, 272, 288, 288})
            ::PostMessageA(f.Handle(), WM_SYSCOMMAND, command, 0);
        ::SetFocus(f.ButtonExit.Handle());
        ::PostMessageA(f.ButtonExit.Handle(), WM_KEYDOWN, VK_F1, 0);
        PumpMessages();
    }
    ASSERT_EQ(dialogs.requests.size(), 1u) << "About shows it, no other command";
    EXPECT_EQ(dialogs.requests[0].caption, "Information");
    EXPECT_EQ(dialogs.requests[0].beep, dbInformation);
    ExpectMessage(dialogs.requests[0],
                  "Lumoscope32 V1.1 - Picture Viewer for BMP, GIF, ICO, JPG, PCX, TIF and WMF files", mtInformation,
                  mbOK);
    const std::string topics = help + ">Window1";
    EXPECT_EQ(helpCalls, (std::vector<HelpCall>{{help + ">main", HELP_FINDER, 0}, {help + ">main", HELP_FINDER, 0},
                                                {topics, HELP_CONTEXT, 120}, {topics, HELP_QUIT, 0}}));
}
