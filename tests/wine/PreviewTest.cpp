// Loading pictures into the preview through the browser, and the full-screen
// view shown modally from the FULLVIEW button and scrolled by keys.
#include <functional>
#include <utility>

#include "PreviewTestSupport.h"
#include "framework/Screen.h"

namespace {

// A step run out of the modal showing's message loop, and a close after 5 s
// so a failing test ends.
std::function<void()> step;
bool timedOut = false;
void CALLBACK RunStep(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    std::exchange(step, nullptr)();
}
void CALLBACK CloseAfterTimeout(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    timedOut = true;
    ::PostMessageA(::GetActiveWindow(), WM_CLOSE, 0, 0);
}

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
    std::pair<int, int> Position() const
    {
        RECT rect = RectInParent(w.form2.PicView1.Handle());
        return {rect.left, rect.top};
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
    WriteBmp(folder, "wide.bmp", 640, 480);
    WriteBmp(folder, "tall.bmp", 480, 640);
    Open("wide.bmp");
    EXPECT_EQ(SizeOf(f.Panel1.Handle()), (std::pair{648, 488}));
    ::SetFocus(f.Edit1.Handle());
    Press(f.BtnStretch);
    EXPECT_EQ(f.PanelLED.Color(), clRed);
    EXPECT_EQ(SizeOf(f.PicView1.Handle()), (std::pair{352, 265}));
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
    EXPECT_EQ(SizeOf(f.PicView1.Handle()), (std::pair{480, 640}));
}

// Renaming or deleting the shown picture empties the preview without a
// message, and a file given the shown name afterwards opens.
TEST_F(PreviewTest, RenamingOrDeletingTheShownPictureEmptiesThePreview)
{
    WriteBmp(folder, "a.bmp", 40, 30);
    WriteBmp(folder, "b.bmp", 50, 20);
    auto key = [&](const char* name, WORD key, int answer, const std::string& value = {}) {
        f.FileListBox1.SetItemIndex(f.FileListBox1.IndexOfName(name));
        dialogs.Answer(answer, value);
        PressKey(f.FileListBox1.Handle(), key);
    };
    auto expectEmpty = [&] {
        EXPECT_FALSE(::IsWindowVisible(f.PicView1.Handle()) || f.ButtonVollbild.Enabled() || f.ButtonCpy.Enabled());
        EXPECT_EQ((std::vector<std::string>{f.Caption(), CurrentPicturePath}),
                  (std::vector<std::string>{"Lumoscope32 - [Noname]", ""}));
    };
    Open("a.bmp");
    key("a.bmp", VK_INSERT, mrOk, "c.bmp");
    expectEmpty();
    key("b.bmp", VK_INSERT, mrOk, "a.bmp");
    Open("a.bmp");
    EXPECT_EQ(f.Panel5.Caption(), "Picture-Info:  50x20x16M");
    key("a.bmp", VK_DELETE, mrYes);
    expectEmpty();
    EXPECT_EQ(dialogs.requests.size(), 3u) << "the two names asked for and the question, no message";
}

// The scroll range follows the preview and the client size; a position the
// new range no longer holds is clamped, and the controls come back with it.
TEST_F(PreviewTest, TheWindowScrollsOverWhatItHoldsAsThePreviewAndTheWindowSizeChange)
{
    WriteBmp(folder, "square.bmp", 600, 600);
    WriteBmp(folder, "wide.bmp", 700, 500);
    auto bars = [&] { return ::GetWindowLongA(f.Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL); };
    auto pathLine = [&] { return RectInParent(f.Panel2.Handle()); };
    auto scrollToTheEnd = [&] {
        ::SendMessageA(f.Handle(), WM_HSCROLL, SB_RIGHT, 0);
        ::SendMessageA(f.Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    };
    const RECT designed = pathLine();
    Open("square.bmp");
    scrollToTheEnd();
    EXPECT_LT(pathLine().top, designed.top);
    Press(f.BtnStretch);
    EXPECT_EQ(bars(), 0);
    EXPECT_EQ(pathLine(), designed) << "the path line and the drive box can be reached again";
    Press(f.BtnStretch);

    ::ShowWindow(f.Handle(), SW_MAXIMIZE);
    Open("wide.bmp");
    EXPECT_EQ(bars(), 0);
    ::ShowWindow(f.Handle(), SW_RESTORE);
    EXPECT_EQ(bars(), WS_HSCROLL | WS_VSCROLL) << "the restored window scrolls over the picture";
    scrollToTheEnd();
    EXPECT_LT(pathLine().left, designed.left);
    ::ShowWindow(f.Handle(), SW_MAXIMIZE);
    EXPECT_EQ(bars(), 0);
    EXPECT_EQ(pathLine(), designed);
    ::ShowWindow(f.Handle(), SW_RESTORE);
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
            // The library's reason once, then ours.
            ASSERT_EQ(dialogs.requests.size(), 2u);
            EXPECT_EQ(dialogs.requests[0].caption, "Fehler");
            ExpectMessage(dialogs.requests.back(), message, mtError, mbOK);
            EXPECT_EQ(dialogs.requests.back().beep, dbError);
        }
        EXPECT_EQ(std::pair(f.PicView1.ImageWidth, f.PicView1.ImageHeight), std::pair(0, 0));
        Press(f.BtnStretch);
        EXPECT_EQ(SizeOf(f.Panel1.Handle()).second, 272) << "no size left to fit";
        Press(f.BtnStretch);
    }
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].caption, "Lumoscope32 - [Noname]");
    Open("broken.ico");
    EXPECT_EQ(dialogs.requests.size(), 2u) << "a failed path can be tried again";
}

TEST_F(PreviewTest, KeysScrollALargePictureInTheFullScreenViewByTheirRules)
{
    struct Case {
        const char* rule;
        int extraWidth, extraHeight;  // beyond the screen
        std::vector<WORD> keys;
        std::vector<std::pair<int, int>> after;
    };
    const Case cases[] = {
        {"Down by 2 past the bottom, Page Up to the top, Page Down to the bottom, Up from an odd offset past the top",
         0, 7, {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_PRIOR, VK_NEXT, VK_UP, VK_UP, VK_UP, VK_UP},
         {{0, -2}, {0, -4}, {0, -6}, {0, -8}, {0, 0}, {0, -7}, {0, -5}, {0, -3}, {0, -1}, {0, 1}}},
        {"Page Down and Page Up, End and Home by 10, Right and Left by 2", 25, 25,
         {VK_NEXT, VK_NEXT, VK_NEXT, VK_PRIOR, VK_PRIOR, VK_PRIOR, VK_RIGHT, VK_LEFT, VK_LEFT, VK_END, VK_END, VK_END,
          VK_HOME, VK_HOME, VK_HOME},
         {{0, -10}, {0, -20}, {0, -25}, {0, -15}, {0, -5}, {0, 0}, {-2, 0}, {0, 0}, {0, 0}, {-10, 0}, {-20, 0},
          {-25, 0}, {-15, 0}, {-5, 0}, {0, 0}}},
        {"A smaller picture never moves", -10, -10,
         {VK_DOWN, VK_UP, VK_RIGHT, VK_LEFT, VK_NEXT, VK_PRIOR, VK_END, VK_HOME}, std::vector<std::pair<int, int>>(8)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        f.PicView1.ImageWidth = ::GetSystemMetrics(SM_CXSCREEN) + c.extraWidth;
        f.PicView1.ImageHeight = ::GetSystemMetrics(SM_CYSCREEN) + c.extraHeight;
        ::ShowWindow(w.form2.Handle(), SW_SHOWMAXIMIZED);
        ASSERT_EQ(Position(), (std::pair{0, 0}));
        for (std::size_t i = 0; i < c.keys.size(); ++i) {
            ::SendMessageA(w.form2.Handle(), WM_KEYDOWN, c.keys[i], 1);
            EXPECT_EQ(Position(), c.after[i]) << "key " << i;
        }
        ::ShowWindow(w.form2.Handle(), SW_HIDE);
    }
}

// Esc, Enter, Space or a real click over the disabled picture close it; another character does not.
TEST_F(PreviewTest, TheModalFullScreenViewClosesByItsKeysOrAClickAndTheMainWindowGetsItsFocusBack)
{
    const std::function<void()> closers[] = {
        [&] { ::PostMessageA(w.form2.Handle(), WM_CHAR, '\x1b', 1); },
        [&] { ::PostMessageA(w.form2.Handle(), WM_CHAR, '\r', 1); },
        [&] { ::PostMessageA(w.form2.Handle(), WM_CHAR, ' ', 1); },
        [&] {
            ::SetCursorPos(10, 10);
            INPUT clicks[2]{};
            clicks[0].type = clicks[1].type = INPUT_MOUSE;
            clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
            clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
            ::SendInput(2, clicks, sizeof(INPUT));
        },
    };
    WriteBmp(folder, "full.bmp", 50, 40);
    Open("full.bmp");
    for (const auto& close : closers) {
        ::SetFocus(f.Edit1.Handle());
        ::SetWindowPos(w.form2.PicView1.Handle(), nullptr, -30, -30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        bool shownAsItShould = false, openAfterOtherKey = false;
        timedOut = false;
        ::UpdateWindow(f.Handle());  // as on the screen: its paint puts the default cursor back
        step = [&] {
            shownAsItShould = !::IsWindowEnabled(f.Handle()) && ::IsZoomed(w.form2.Handle()) &&
                              Screen().Cursor() == crNone && !::GetCursor() && Position() == std::pair{0, 0};
            ::SendMessageA(w.form2.Handle(), WM_CHAR, 'a', 1);
            openAfterOtherKey = ::IsWindowVisible(w.form2.Handle());
            close();
        };
        ::SetTimer(nullptr, 0, 0, RunStep);
        const UINT_PTR timeout = ::SetTimer(nullptr, 0, 5000, CloseAfterTimeout);
        Press(f.ButtonVollbild);
        ::KillTimer(nullptr, timeout);
        EXPECT_FALSE(timedOut);
        EXPECT_TRUE(shownAsItShould) << "main window disabled, maximised, no cursor, picture at the top left";
        EXPECT_TRUE(openAfterOtherKey);
        EXPECT_FALSE(::IsWindowVisible(w.form2.Handle()));
        EXPECT_EQ(::GetActiveWindow(), f.Handle());
        EXPECT_EQ(::GetFocus(), f.FileListBox1.Handle());
        EXPECT_EQ(Screen().Cursor(), crDefault);
    }
}
