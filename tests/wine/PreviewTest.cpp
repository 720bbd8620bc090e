// Loading pictures into the preview through the browser, the information
// line, the fit, the buttons and the failure path.

#include "PictureTestSupport.h"
#include "PreviewTestSupport.h"
#include "framework/Screen.h"
#include "text/PathText.h"

namespace {

class PreviewTest : public ::testing::Test {
protected:
    // Opens a file of the scratch folder as the user does: select, Enter.
    void Open(const std::string& name)
    {
        if (f.FileListBox1.Directory() != folder.Path())
            f.FileListBox1.SetFileName(folder.Path());
        f.FileListBox1.Update();
        f.FileListBox1.SetItemIndex(f.FileListBox1.IndexOfName(name));
        ::SendMessageA(f.FileListBox1.Handle(), WM_CHAR, '\r', 1);
    }
    void Press(const TButton& button) { ::SendMessageA(button.Handle(), BM_CLICK, 0, 0); }
    void ExpectEmptyPreview()
    {
        EXPECT_FALSE(::IsWindowVisible(f.PicView1.Handle()) || BitmapOf(f.PicView1) ||
                     w.form2.PicView1.Picture().Graphic() || f.ButtonVollbild.Enabled() || f.ButtonCpy.Enabled());
        EXPECT_EQ((std::vector<std::string>{f.Panel5.Caption(), f.Caption(), CurrentPicturePath}),
                  (std::vector<std::string>{"Picture-Info:", "Lumoscope32 - [Noname]", ""}));
        EXPECT_EQ(SizeOf(f.Panel1.Handle()).cy, 272);
        ExpectIdle();
    }
    void ExpectIdle()
    {
        EXPECT_TRUE(::IsWindowEnabled(f.Handle()) && f.BtnStretch.Enabled() && f.ButtonExit.Enabled());
        EXPECT_EQ(Screen().Cursor(), crDefault);
        EXPECT_EQ(::GetFocus(), f.FileListBox1.Handle());
    }
    void SetUp() override { CurrentPicturePath.clear(); }

    ScratchFolder folder{"lumo-preview"};
    ScriptedDialogs dialogs;
    ProgramWindows w;
    TForm1& f = w.form1;
};

} // namespace

TEST_F(PreviewTest, ShowsThePictureWithItsInformationLineAndTitle)
{
    WriteDepthBmp(folder, "depth1.bmp", 100, 50, 1);
    Open("depth1.bmp");
    EXPECT_EQ((std::vector<std::string>{f.Panel5.Caption(), f.Caption(), Application().Title(), CurrentPicturePath}),
              (std::vector<std::string>{"Picture-Info:  100x50x2", "Lumoscope32 - [DEPTH1.BMP]",
                                        "Lumoscope32 - [DEPTH1.BMP]", folder / "depth1.bmp"}));
    EXPECT_TRUE(::IsWindowVisible(f.PicView1.Handle()) && f.ButtonVollbild.Enabled() && f.ButtonCpy.Enabled());
    ExpectIdle();
    EXPECT_TRUE(dialogs.requests.empty());
}

TEST_F(PreviewTest, StretchFitsThePreviewUntilPressedAgain)
{
    auto scrollBars = [&] { return ::GetWindowLongA(f.Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL); };
    WriteDepthBmp(folder, "wide.bmp", 640, 480, 24);
    WriteDepthBmp(folder, "tall.bmp", 480, 640, 8);
    Open("wide.bmp");
    EXPECT_EQ(SizeOf(f.PicView1.Handle()), (SIZE{640, 480}));
    EXPECT_EQ(SizeOf(f.Panel1.Handle()), (SIZE{648, 488}));
    EXPECT_EQ(scrollBars(), WS_HSCROLL | WS_VSCROLL) << "the window scrolls to a large picture";
    ::SetFocus(f.Edit1.Handle());
    Press(f.BtnStretch);
    EXPECT_EQ(f.PanelLED.Color(), clRed);
    EXPECT_TRUE(f.PicView1.Stretch());
    EXPECT_EQ(SizeOf(f.PicView1.Handle()), (SIZE{352, 265}));
    EXPECT_EQ(SizeOf(f.Panel1.Handle()), (SIZE{360, 273}));
    EXPECT_EQ(scrollBars(), 0) << "the fitted preview needs no scrolling";
    EXPECT_EQ(::GetFocus(), f.FileListBox1.Handle());
    Open("tall.bmp");
    EXPECT_EQ(SizeOf(f.PicView1.Handle()), (SIZE{319, 424})) << "a picture loaded while stretched is fitted";
    Press(f.BtnStretch);
    EXPECT_EQ(f.PanelLED.Color(), clMaroon);
    EXPECT_FALSE(f.PicView1.Stretch());
    EXPECT_EQ(SizeOf(f.PicView1.Handle()), (SIZE{480, 640}));
}

TEST_F(PreviewTest, TheSamePathAgainDoesNothing)
{
    WriteDepthBmp(folder, "same.bmp", 20, 10, 24);
    Open("same.bmp");
    ::DeleteFileA((folder / "same.bmp").c_str());
    ::SetFocus(f.Edit1.Handle());
    f.LoadPicture(folder / "same.bmp");
    EXPECT_EQ(::GetFocus(), f.Edit1.Handle()) << "no busy state, no focus change";
    EXPECT_NE(BitmapOf(f.PicView1), nullptr) << "no reload";
    EXPECT_TRUE(dialogs.requests.empty());
}

// A file that holds no picture, a header the library cannot decode (too
// large: the header still reads, the control gets no picture) and an icon
// the system cannot read, which shows its own message instead of ours.
TEST_F(PreviewTest, AFailedLoadRunsBusyWithoutTheOldPictureEmptiesThePreviewAndSaysSoOnce)
{
    WriteDepthBmp(folder, "good.bmp", 300, 200, 24);
    WriteDepthBmp(folder, "cut.bmp", 40000, 40000, 24, false);
    folder.File("scan.pcx", "not a picture");
    folder.File("broken.ico", "not an icon");
    bool busyDuringLoad = false, oldPixelsHeldDuringLoad = true;
    Application().SetDialogScript([&](const DialogRequest& request) {
        if (dialogs.requests.empty()) {
            busyDuringLoad = !::IsWindowEnabled(f.Handle()) && !f.ButtonExit.Enabled();
            oldPixelsHeldDuringLoad = BitmapOf(w.form2.PicView1) != nullptr;
        }
        dialogs.requests.push_back(request);
        return DialogAnswer{mrOk, {}};
    });
    for (auto [name, message] : {std::pair{"scan.pcx", "SCAN.PCX is not a valid Bitmapfile !"},
                                 {"cut.bmp", "CUT.BMP is not a valid Bitmapfile !"}, {"broken.ico", ""}}) {
        SCOPED_TRACE(name);
        Open("good.bmp");
        dialogs.requests.clear();
        Open(name);
        EXPECT_EQ(busyDuringLoad, *message != '\0') << "the system's own message comes after the busy state";
        EXPECT_FALSE(oldPixelsHeldDuringLoad) << "one picture at a time";
        ExpectEmptyPreview();
        ASSERT_FALSE(dialogs.requests.empty());
        if (*message) {
            ExpectMessage(dialogs.requests.back(), message, mtError, mbOK);
            EXPECT_EQ(dialogs.requests.back().beep, dbError);
        }
    }
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].kind, DialogRequest::ErrorBox);
    EXPECT_EQ(dialogs.requests[0].caption, "Lumoscope32 - [Noname]");
    Open("broken.ico");
    EXPECT_EQ(dialogs.requests.size(), 2u) << "a failed path can be tried again";
}

TEST_F(PreviewTest, CopyPutsThePictureOnTheClipboard)
{
    WriteDepthBmp(folder, "copy.bmp", 30, 20, 24);
    Open("copy.bmp");
    ASSERT_TRUE(::OpenClipboard(nullptr) && ::EmptyClipboard() && ::CloseClipboard());
    Press(f.ButtonCpy);
    EXPECT_TRUE(::IsClipboardFormatAvailable(CF_DIB));
    EXPECT_EQ(Screen().Cursor(), crDefault);
}

TEST_F(PreviewTest, BothViewsShareOneCopyOfThePixels)
{
    WriteDepthBmp(folder, "shared.bmp", 300, 200, 24);
    Open("shared.bmp");
    HBITMAP preview = BitmapOf(f.PicView1);
    ASSERT_NE(preview, nullptr);
    // Painting both, stretched and at actual size, keeps them shared.
    Press(f.BtnStretch);
    ::ShowWindow(w.form2.Handle(), SW_SHOWMAXIMIZED);
    for (HWND window : {f.Handle(), w.form2.Handle()})
        ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PixelCanvas canvas(300, 200);
    ::SendMessageA(w.form2.PicView1.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    ::ShowWindow(w.form2.Handle(), SW_HIDE);
    EXPECT_EQ(BitmapOf(f.PicView1), preview);
    EXPECT_EQ(BitmapOf(w.form2.PicView1), preview);
}
