// Loading pictures into the preview through the browser, the information
// line, the fit, the buttons and the failure path.
#include "PreviewTestSupport.h"
#include "framework/Screen.h"

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

TEST_F(PreviewTest, ShowsThePictureWithItsInformationLineAndTitleCopiesItAndLoadsTheSamePathOnce)
{
    WriteBmp(folder, "photo.bmp", 100, 50);
    Open("photo.bmp");
    EXPECT_EQ((std::vector<std::string>{f.Panel5.Caption(), f.Caption(), Application().Title(), CurrentPicturePath}),
              (std::vector<std::string>{"Picture-Info:  100x50x16M", "Lumoscope32 - [PHOTO.BMP]",
                                        "Lumoscope32 - [PHOTO.BMP]", folder / "photo.bmp"}));
    EXPECT_TRUE(::IsWindowVisible(f.PicView1.Handle()) && f.ButtonVollbild.Enabled() && f.ButtonCpy.Enabled());
    ExpectIdle();
    ASSERT_TRUE(::OpenClipboard(nullptr) && ::EmptyClipboard() && ::CloseClipboard());
    Press(f.ButtonCpy);
    EXPECT_TRUE(::IsClipboardFormatAvailable(CF_DIB));
    EXPECT_EQ(Screen().Cursor(), crDefault);
    ::DeleteFileA((folder / "photo.bmp").c_str());
    ::SetFocus(f.Edit1.Handle());
    f.LoadPicture(folder / "photo.bmp");
    EXPECT_EQ(::GetFocus(), f.Edit1.Handle()) << "no busy state, no focus change";
    EXPECT_NE(BitmapOf(f.PicView1), nullptr) << "no reload";
    EXPECT_TRUE(dialogs.requests.empty());
}

// Both views share one copy of the pixels, painted stretched and at actual size.
TEST_F(PreviewTest, StretchFitsThePreviewUntilPressedAgain)
{
    auto scrollBars = [&] { return ::GetWindowLongA(f.Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL); };
    WriteBmp(folder, "wide.bmp", 640, 480);
    WriteBmp(folder, "tall.bmp", 480, 640);
    Open("wide.bmp");
    EXPECT_EQ(SizeOf(f.Panel1.Handle()), (std::pair{648, 488}));
    EXPECT_EQ(scrollBars(), WS_HSCROLL | WS_VSCROLL) << "the window scrolls to a large picture";
    ::SetFocus(f.Edit1.Handle());
    Press(f.BtnStretch);
    EXPECT_EQ(f.PanelLED.Color(), clRed);
    EXPECT_EQ(SizeOf(f.PicView1.Handle()), (std::pair{352, 265}));
    EXPECT_EQ(SizeOf(f.Panel1.Handle()), (std::pair{360, 273}));
    EXPECT_EQ(scrollBars(), 0);
    EXPECT_EQ(::GetFocus(), f.FileListBox1.Handle());
    HBITMAP preview = BitmapOf(f.PicView1);
    ::ShowWindow(w.form2.Handle(), SW_SHOWMAXIMIZED);
    for (HWND window : {f.Handle(), w.form2.Handle()})
        ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::ShowWindow(w.form2.Handle(), SW_HIDE);
    EXPECT_TRUE(preview && BitmapOf(f.PicView1) == preview && BitmapOf(w.form2.PicView1) == preview);
    Open("tall.bmp");
    EXPECT_EQ(SizeOf(f.PicView1.Handle()), (std::pair{319, 424})) << "a picture loaded while stretched is fitted";
    Press(f.BtnStretch);
    EXPECT_EQ(f.PanelLED.Color(), clMaroon);
    EXPECT_FALSE(f.PicView1.Stretch());
    EXPECT_EQ(SizeOf(f.PicView1.Handle()), (std::pair{480, 640}));
}

// A file that holds no picture, a header the library cannot decode (too
// large: the header still reads, the control gets no picture) and an icon
// the system cannot read, which shows its own message instead of ours.
TEST_F(PreviewTest, AFailedLoadRunsBusyWithoutTheOldPictureEmptiesThePreviewAndSaysSoOnce)
{
    WriteBmp(folder, "good.bmp", 300, 200);
    WriteBmp(folder, "cut.bmp", 40000, 40000, false);
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
        EXPECT_FALSE(::IsWindowVisible(f.PicView1.Handle()) || BitmapOf(f.PicView1) ||
                     w.form2.PicView1.Picture().Graphic() || f.ButtonVollbild.Enabled() || f.ButtonCpy.Enabled());
        EXPECT_EQ((std::vector<std::string>{f.Panel5.Caption(), f.Caption(), CurrentPicturePath}),
                  (std::vector<std::string>{"Picture-Info:", "Lumoscope32 - [Noname]", ""}));
        EXPECT_EQ(SizeOf(f.Panel1.Handle()).second, 272);
        ExpectIdle();
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
