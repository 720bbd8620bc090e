#include "PictureTestSupport.h"
#include "ProcessTestSupport.h"
#include "framework/Metafile.h"

namespace {

void ShowTestPicture(TPicView& view)
{
    const TBitmap bitmap = MakeBitmap(30, 20, RGB(0, 128, 255), {{RECT{0, 0, 10, 10}, RGB(255, 0, 0)},
                                                                 {RECT{20, 10, 30, 20}, RGB(0, 255, 0)}});
    view.Picture().SetGraphic(&bitmap);
}

std::vector<COLORREF> PixelsOf(TPicView& view)
{
    PrintedView canvas(view, 30, 20);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            pixels.push_back(canvas.At(x, y));
    return pixels;
}

// Pastes, then compares with the test picture shown in the same control.
void ExpectPastedTestPicture(TPicView& view)
{
    view.PasteFromClipboard();
    const std::vector<COLORREF> pasted = PixelsOf(view);
    ShowTestPicture(view);
    EXPECT_EQ(pasted, PixelsOf(view));
}

void EmptyClipboard(HWND owner)
{
    ::OpenClipboard(owner);
    ::EmptyClipboard();
    ::CloseClipboard();
}

// Runs one disabled peer test of this program in a second process while
// this thread keeps pumping messages (the clipboard owner must answer).
DWORD RunPeer(const std::string& test)
{
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    Process peer(std::string("\"") + path +
                 "\" --gtest_also_run_disabled_tests --gtest_filter=PicViewClipboardPeer.DISABLED_" + test);
    WaitUntil([&] { return PumpMessages(), !peer.Running(); }, 60000);
    return peer.Wait(0);
}

class PicViewProbe : public TPicView {
public:
    using TPicView::FCreditActive, TPicView::FSavedColor, TPicView::FScrollActive;
};

class PicViewClipboard : public ::testing::Test {
protected:
    PicViewClipboard() { EmptyClipboard(host.Handle()); }
    static void Press(TPicView& view, UINT message, WPARAM key, bool shift, bool ctrl)
    {
        BYTE state[256] = {};
        state[VK_SHIFT] = shift ? 0x80 : 0;
        state[VK_CONTROL] = ctrl ? 0x80 : 0;
        ::SetKeyboardState(state);
        ::SendMessageA(view.Handle(), message, key, 0);
        state[VK_SHIFT] = state[VK_CONTROL] = 0;
        ::SetKeyboardState(state);
    }

    BasicPicViewHost<PicViewProbe> host;
};

} // namespace

TEST_F(PicViewClipboard, TheKeysCopyCutAndPaste)
{
    for (auto [name, message, key, shift, ctrl, clipboardFilled, pictureKept] :
         {std::tuple{"Ctrl+Insert", WM_KEYDOWN, WPARAM{VK_INSERT}, false, true, true, true},
          {"Shift+Delete", WM_KEYDOWN, VK_DELETE, true, false, true, false},
          {"Ctrl+C", WM_CHAR, 3, false, false, true, true},
          {"Ctrl+X", WM_CHAR, 24, false, false, true, false},
          {"Delete alone", WM_KEYDOWN, VK_DELETE, false, false, false, true},
          {"Ctrl+Shift+Insert does not copy", WM_KEYDOWN, VK_INSERT, true, true, false, true}}) {
        EmptyClipboard(host.Handle());
        ShowTestPicture(host.View);
        Press(host.View, message, key, shift, ctrl);
        EXPECT_EQ(::IsClipboardFormatAvailable(CF_DIB) != FALSE, clipboardFilled) << name;
        EXPECT_EQ(host.View.Picture().Graphic() != nullptr, pictureKept) << name;
    }
    ShowTestPicture(host.View);
    Press(host.View, WM_KEYDOWN, VK_INSERT, false, true);
    host.View.Picture().Clear();
    Press(host.View, WM_CHAR, 22, false, false);
    EXPECT_NE(host.View.Picture().Graphic(), nullptr) << "Ctrl+V";
}

TEST_F(PicViewClipboard, ShiftInsertEndsARunningMessageWithoutRestoringTheColour)
{
    PicViewProbe& view = host.View;
    ShowTestPicture(view);
    view.CopyToClipboard();
    view.Picture().Clear();
    view.FScrollActive = view.FCreditActive = true;
    view.FSavedColor = RGB(255, 0, 0);
    view.SetColor(RGB(0, 0, 128));
    Press(view, WM_KEYDOWN, VK_INSERT, true, false);
    EXPECT_FALSE(view.FScrollActive || view.FCreditActive);
    EXPECT_EQ(view.Color(), RGB(0, 0, 128));
    EXPECT_EQ(view.Picture().Width(), 30);
}

TEST_F(PicViewClipboard, GoesOutInTheFormatsOtherProgramsRead)
{
    TBitmap palettised;
    ASSERT_TRUE(ReadBmpFile(WriteBmpFile("lumo-clip.bmp", 8, 8, RGB(200, 20, 20)), 8, 0, palettised));
    TMetafile metafile;
    metafile.LoadFromFile(WriteWmfFile("lumo-clip.wmf"));
    const TBitmap trueColour = MakeBitmap(30, 20, clRed);
    struct Case {
        const char* name;
        const TGraphic* graphic;
        std::vector<UINT> present, absent;
    };
    for (const Case& c : {Case{"8 bits", &palettised, {CF_DIB, CF_BITMAP, CF_PALETTE}, {CF_ENHMETAFILE}},
                          Case{"true colour", &trueColour, {CF_DIB}, {CF_PALETTE, CF_ENHMETAFILE}},
                          Case{"metafile", &metafile, {CF_ENHMETAFILE}, {CF_DIB, CF_PALETTE}}}) {
        host.View.Picture().SetGraphic(c.graphic);
        host.View.CopyToClipboard();
        for (UINT format : c.present)
            EXPECT_TRUE(::IsClipboardFormatAvailable(format)) << c.name << " " << format;
        for (UINT format : c.absent)
            EXPECT_FALSE(::IsClipboardFormatAvailable(format)) << c.name << " " << format;
        host.View.Picture().Clear();
        host.View.PasteFromClipboard();
        EXPECT_EQ(host.View.Picture().Width(), c.graphic->Width()) << c.name;
    }
}

TEST_F(PicViewClipboard, PastesWhatAnotherInstanceCopiedAndTheOtherWayRound)
{
    ASSERT_EQ(RunPeer("CopiesTheTestPicture"), 0u);
    ExpectPastedTestPicture(host.View);
    EmptyClipboard(host.Handle());
    ShowTestPicture(host.View);
    host.View.CopyToClipboard();
    EXPECT_EQ(RunPeer("PastesTheTestPicture"), 0u);
}

// The second instance's side of the test above; never run on its own.
TEST(PicViewClipboardPeer, DISABLED_CopiesTheTestPicture)
{
    PicViewHost host;
    ShowTestPicture(host.View);
    host.View.CopyToClipboard();
}

TEST(PicViewClipboardPeer, DISABLED_PastesTheTestPicture)
{
    PicViewHost host;
    ExpectPastedTestPicture(host.View);
}
