// Loading pictures into the preview through the browser, the information
// line, the fit rule, the buttons and the failure path.

#include "PictureTestSupport.h"
#include "PreviewTestSupport.h"
#include "text/PathText.h"
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
    void ExpectEmptyPreview()
    {
        EXPECT_FALSE(::IsWindowVisible(f.PicView1.Handle()));
        EXPECT_EQ(BitmapOf(f.PicView1), nullptr);
        EXPECT_EQ(w.form2.PicView1.Picture().Graphic(), nullptr);
        EXPECT_EQ(f.Panel5.Caption(), "Picture-Info:");
        EXPECT_EQ(f.Caption(), "Lumoscope32 - [Noname]");
        EXPECT_FALSE(f.ButtonVollbild.Enabled() || f.ButtonCpy.Enabled());
        EXPECT_EQ(SizeOf(f.Panel1.Handle()).cy, 272);
        EXPECT_EQ(CurrentPicturePath, "");
        ExpectIdle();
    }
    void ExpectIdle()
    {
        EXPECT_TRUE(::IsWindowEnabled(f.Handle()));
        EXPECT_TRUE(f.BtnStretch.Enabled());
        EXPECT_TRUE(f.ButtonExit.Enabled());
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
    struct Case {
        int width, height, bits;  // none: a metafile, whose depth is unknown
        const char* info;
    };
    // The library describes a high-colour bitmap as the 24-bit picture it reads.
    for (const Case& c : {Case{100, 50, 1, "Picture-Info:  100x50x2"}, Case{30, 20, 4, "Picture-Info:  30x20x16"},
                          Case{30, 20, 16, "Picture-Info:  30x20x16M"}, Case{200, 100, 0, "Picture-Info:  200x100xN/A"}}) {
        const std::string name = c.bits ? "depth" + std::to_string(c.bits) + ".bmp" : "drawing.wmf";
        if (c.bits)
            WriteDepthBmp(folder, name, c.width, c.height, c.bits);
        else
            ::CopyFileA(WriteWmfFile("lumo-preview.wmf").c_str(), (folder / name).c_str(), FALSE);
        Open(name);
        EXPECT_EQ(f.Panel5.Caption(), c.info);
        EXPECT_EQ(f.Caption(), "Lumoscope32 - [" + UpperAscii(name) + "]");
        EXPECT_EQ(Application().Title(), f.Caption());
        EXPECT_TRUE(::IsWindowVisible(f.PicView1.Handle()));
        EXPECT_TRUE(f.ButtonVollbild.Enabled() && f.ButtonCpy.Enabled());
        EXPECT_EQ(CurrentPicturePath, folder / name);
        ExpectIdle();
    }
    EXPECT_TRUE(dialogs.requests.empty());
}

TEST_F(PreviewTest, SizesThePreviewByTheFitRule)
{
    struct Case {
        int width, height;
        bool stretch;
        SIZE view;
    };
    const Case cases[] = {{640, 480, true, {352, 265}}, {480, 640, true, {319, 424}}, {100, 100, true, {352, 353}},
                          {44, 53, true, {353, 424}},   {1024, 768, false, {1024, 768}}};
    for (const Case& c : cases) {
        const std::string name = std::to_string(c.width) + "x" + std::to_string(c.height) + ".bmp";
        WriteDepthBmp(folder, name, c.width, c.height, 8);
        if (f.PicView1.Stretch() != c.stretch)
            Press(f.BtnStretch);
        Open(name);
        EXPECT_EQ(SizeOf(f.PicView1.Handle()), c.view) << name;
        EXPECT_EQ(SizeOf(f.Panel1.Handle()), (SIZE{c.view.cx + 8, c.view.cy + 8})) << name;
        const LONG style = ::GetWindowLongA(f.Handle(), GWL_STYLE);
        EXPECT_EQ((style & WS_HSCROLL) != 0, c.width == 1024) << "the window scrolls to a large picture";
    }
}

TEST_F(PreviewTest, StretchTwiceReturnsToActualSizeAndTheDarkIndicator)
{
    auto scrollBars = [&] { return ::GetWindowLongA(f.Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL); };
    WriteDepthBmp(folder, "wide.bmp", 640, 480, 24);
    Open("wide.bmp");
    EXPECT_EQ(scrollBars(), WS_HSCROLL | WS_VSCROLL);
    ::SetFocus(f.Edit1.Handle());
    Press(f.BtnStretch);
    EXPECT_EQ(f.PanelLED.Color(), clRed);
    EXPECT_TRUE(f.PicView1.Stretch());
    EXPECT_EQ(SizeOf(f.PicView1.Handle()).cy, 265);
    EXPECT_EQ(scrollBars(), 0) << "the fitted preview needs no scrolling";
    EXPECT_EQ(::GetFocus(), f.FileListBox1.Handle());
    Press(f.BtnStretch);
    EXPECT_EQ(f.PanelLED.Color(), clMaroon);
    EXPECT_FALSE(f.PicView1.Stretch());
    EXPECT_EQ(SizeOf(f.PicView1.Handle()), (SIZE{640, 480}));
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

TEST_F(PreviewTest, AFailedLoadEmptiesThePreviewAndSaysSo)
{
    WriteDepthBmp(folder, "good.bmp", 640, 480, 24);
    folder.File("scan.pcx", "not a picture");
    Open("good.bmp");
    Open("scan.pcx");
    ASSERT_FALSE(dialogs.requests.empty());
    ExpectMessage(dialogs.requests.back(), "SCAN.PCX is not a valid Bitmapfile !", mtError, mbOK);
    ExpectEmptyPreview();
    dialogs.requests.clear();
    Open("scan.pcx");
    EXPECT_FALSE(dialogs.requests.empty()) << "a failed path can be tried again";
}

TEST_F(PreviewTest, AHeaderTheLibraryCannotDecodeIsAFailedLoadInTheBusyState)
{
    // Too large to decode: the header still reads, the control gets no picture.
    WriteDepthBmp(folder, "cut.bmp", 40000, 40000, 24, false);
    WriteDepthBmp(folder, "good.bmp", 300, 200, 24);
    Open("good.bmp");
    bool busyDuringLoad = false;
    bool oldPixelsHeldDuringLoad = false;
    Application().SetDialogScript([&](const DialogRequest& request) {
        if (dialogs.requests.empty()) {
            busyDuringLoad = !::IsWindowEnabled(f.Handle()) && !f.ButtonExit.Enabled();
            oldPixelsHeldDuringLoad = BitmapOf(w.form2.PicView1) != nullptr;
        }
        dialogs.requests.push_back(request);
        return DialogAnswer{mrOk, {}};
    });
    Open("cut.bmp");
    EXPECT_TRUE(busyDuringLoad);
    EXPECT_FALSE(oldPixelsHeldDuringLoad) << "one picture at a time";
    ASSERT_FALSE(dialogs.requests.empty());
    EXPECT_EQ(dialogs.requests.back().text, "CUT.BMP is not a valid Bitmapfile !");
    ExpectEmptyPreview();
}

TEST_F(PreviewTest, AnIconTheSystemCannotReadShowsItsOwnMessageOnce)
{
    WriteDepthBmp(folder, "good.bmp", 20, 10, 24);
    folder.File("broken.ico", "not an icon");
    Open("good.bmp");
    Open("broken.ico");
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].kind, DialogRequest::ErrorBox);
    EXPECT_EQ(dialogs.requests[0].caption, "Lumoscope32 - [Noname]");
    ExpectEmptyPreview();
}

TEST_F(PreviewTest, CopyPutsThePictureOnTheClipboard)
{
    WriteDepthBmp(folder, "copy.bmp", 30, 20, 24);
    Open("copy.bmp");
    ASSERT_TRUE(::OpenClipboard(nullptr) && ::EmptyClipboard() && ::CloseClipboard());
    Press(f.ButtonCpy);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    HANDLE dib = ::GetClipboardData(CF_DIB);
    ASSERT_NE(dib, nullptr);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(dib));
    EXPECT_EQ(header->biWidth, 30);
    EXPECT_EQ(std::abs(header->biHeight), 20);
    ::GlobalUnlock(dib);
    ::CloseClipboard();
    EXPECT_EQ(Screen().Cursor(), crDefault);
}

TEST_F(PreviewTest, BothViewsShareOneCopyOfThePixels)
{
    WriteDepthBmp(folder, "shared.bmp", 300, 200, 24);
    Open("shared.bmp");
    HBITMAP preview = BitmapOf(f.PicView1);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(BitmapOf(w.form2.PicView1), preview);
    // Painting both, stretched and at actual size, keeps them shared.
    Press(f.BtnStretch);
    ::ShowWindow(w.form2.Handle(), SW_SHOWMAXIMIZED);
    ::RedrawWindow(f.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::RedrawWindow(w.form2.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PixelCanvas canvas(300, 200);
    ::SendMessageA(w.form2.PicView1.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    ::ShowWindow(w.form2.Handle(), SW_HIDE);
    EXPECT_EQ(BitmapOf(f.PicView1), preview);
    EXPECT_EQ(BitmapOf(w.form2.PicView1), preview);
}
