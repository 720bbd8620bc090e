#include "PictureTestSupport.h"
#include "ProcessTestSupport.h"
#include "framework/Metafile.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 128, 255);

// 30 x 20 in blue with a red square at the top left and a green one at the bottom right.
void ShowTestPicture(TPicView& view)
{
    const TBitmap bitmap = MakeBitmap(30, 20, kBlue, {{RECT{0, 0, 10, 10}, kRed}, {RECT{20, 10, 30, 20}, kGreen}});
    view.Picture().SetGraphic(&bitmap);
}

void ExpectPastedTestPicture(TPicView& view)
{
    view.PasteFromClipboard();
    const PrintedView pasted(view, 30, 20);
    EXPECT_EQ(std::tuple(pasted.Bounds(kRed), pasted.Bounds(kGreen), pasted.Count(kBlue)),
              std::tuple(RECT{0, 0, 9, 9}, RECT{20, 10, 29, 19}, 400));
}

// Runs the disabled peer test of this program in a second process while
// this thread keeps pumping messages (the clipboard owner must answer).
DWORD RunPeer()
{
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    Process peer(std::string("\"") + path + "\" --gtest_also_run_disabled_tests --gtest_filter=PicViewClipboardPeer.*");
    WaitUntil([&] { return PumpMessages(), !peer.Running(); }, 60000);
    return peer.Wait(0);
}

struct PicViewClipboard : PicViewTest<> {
    PicViewClipboard() { ::OpenClipboard(host.Handle()) && ::EmptyClipboard() && ::CloseClipboard(); }
};

} // namespace

// Before each key the clipboard holds a picture 7 pixels wide, the control one of 30.
TEST_F(PicViewClipboard, TheKeysCopyCutAndPaste)
{
    auto send = [&](UINT message, WPARAM key, bool shift, bool ctrl) {
        BYTE state[256] = {};
        state[VK_SHIFT] = shift ? 0x80 : 0;
        state[VK_CONTROL] = ctrl ? 0x80 : 0;
        ::SetKeyboardState(state);
        ::SendMessageA(view.Handle(), message, key, 0);
        state[VK_SHIFT] = state[VK_CONTROL] = 0;
        ::SetKeyboardState(state);
    };
    auto clipboardWidth = [&] {
        TPicture pasted;
        pasted.LoadFromClipboard(host.Handle());
        return pasted.Width();
    };
    for (auto [name, message, key, shift, ctrl, clipboard, shown] :
         {std::tuple{"Ctrl+Insert", WM_KEYDOWN, WPARAM{VK_INSERT}, false, true, 30, 30},
          {"Shift+Delete", WM_KEYDOWN, VK_DELETE, true, false, 30, 0},
          {"Ctrl+C", WM_CHAR, 3, false, false, 30, 30},
          {"Ctrl+X", WM_CHAR, 24, false, false, 30, 0},
          {"Shift+Insert", WM_KEYDOWN, VK_INSERT, true, false, 7, 7},
          {"Ctrl+V", WM_CHAR, 22, false, false, 7, 7},
          {"Ctrl+Shift+Insert pastes", WM_KEYDOWN, VK_INSERT, true, true, 7, 7},
          {"Delete alone", WM_KEYDOWN, VK_DELETE, false, false, 7, 30}}) {
        const TBitmap small = MakeBitmap(7, 7, kRed);
        view.Picture().SetGraphic(&small);
        view.CopyToClipboard();
        ShowTestPicture(view);
        send(message, key, shift, ctrl);
        EXPECT_EQ(std::pair(clipboardWidth(), view.Picture().Width()), std::pair(clipboard, shown)) << name;
    }
}

TEST_F(PicViewClipboard, GoesOutInTheFormatsOtherProgramsRead)
{
    TBitmap palettised;
    ASSERT_TRUE(ReadBmpFile(WriteBmpFile("lumo-clip.bmp", 8, 8, RGB(200, 20, 20)), 8, 0, palettised));
    TMetafile metafile;
    metafile.LoadFromFile(WriteWmfFile("lumo-clip.wmf"));
    const TBitmap trueColour = MakeBitmap(30, 20, clRed);
    // Per format: CF_DIB, CF_BITMAP, CF_PALETTE, CF_ENHMETAFILE; '-' absent, '?' either way.
    const UINT formats[] = {CF_DIB, CF_BITMAP, CF_PALETTE, CF_ENHMETAFILE};
    for (auto [graphic, expected] : {std::pair<const TGraphic*, std::string>{&palettised, "DBP-"},
                                     {&trueColour, "D?--"}, {&metafile, "-?-E"}}) {
        view.Picture().SetGraphic(graphic);
        view.CopyToClipboard();
        for (std::size_t i = 0; i < 4; ++i) {
            if (expected[i] == '?')
                continue;
            EXPECT_EQ(::IsClipboardFormatAvailable(formats[i]) != FALSE, expected[i] != '-') << expected << i;
        }
        view.Picture().Clear();
        view.PasteFromClipboard();
        EXPECT_EQ(view.Picture().Width(), graphic->Width());
    }
}

// The copy is built before the clipboard is touched: when the system gives
// no copy of the bitmap (here its handle is gone; a picture too large for
// the memory left does the same), what the clipboard held stays, Cut keeps
// the picture, and the failure is told.
TEST_F(PicViewClipboard, ACopyThatCannotBeBuiltLosesNothing)
{
    const TBitmap small = MakeBitmap(7, 7, kRed);
    view.Picture().SetGraphic(&small);
    view.CopyToClipboard();
    TBitmap refused = MakeBitmap(30, 20, kBlue);
    ::DeleteObject(refused.Handle());
    view.Picture().SetGraphic(&refused);
    for (UINT message : {WM_COPY, WM_CUT}) {
        ::SendMessageA(view.Handle(), message, 0, 0);
        TPicture pasted;
        pasted.LoadFromClipboard(host.Handle());
        EXPECT_EQ(pasted.Width(), 7) << message;
        EXPECT_NE(view.Picture().Graphic(), nullptr) << message;
    }
    EXPECT_EQ(TextsOf(dialogs.requests), std::vector<std::string>(2, "Systemressourcen erschöpft."));
}

TEST_F(PicViewClipboard, PastesWhatAnotherInstanceCopiedAndTheOtherWayRound)
{
    ASSERT_EQ(RunPeer(), 0u);
    ExpectPastedTestPicture(view);
    ShowTestPicture(view);
    view.CopyToClipboard();
    EXPECT_EQ(RunPeer(), 0u);
}

// The second instance's side of the test above: it pastes the test picture, or copies it to an empty clipboard.
TEST(PicViewClipboardPeer, DISABLED_PastesOrCopiesTheTestPicture)
{
    PicViewHost host;
    if (TPicture::ClipboardHasPicture())
        return ExpectPastedTestPicture(host.View);
    ShowTestPicture(host.View);
    host.View.CopyToClipboard();
}
