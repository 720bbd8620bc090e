#include "PictureTestSupport.h"

namespace {

constexpr int kWidth = 352;
constexpr int kHeight = 264;
constexpr COLORREF kInk = RGB(255, 255, 0);  // 65535
constexpr COLORREF kBack = RGB(0, 0, 128);   // 8388608

class MessageProbe : public TPicView {
public:
    using TPicView::FCreditActive, TPicView::FCreditIndex, TPicView::FCreditLines, TPicView::FMsgHeight,
        TPicView::FMsgText, TPicView::FMsgWidth, TPicView::FMsgX, TPicView::FMsgXEnd, TPicView::FMsgY,
        TPicView::FScrollActive, TPicView::LoadCreditBox;
};

// DejaVu Sans Mono: at height 20 each character is 10 pixels wide; at -9
// points (a cell height of 12) 6 pixels.
std::string ScrollFile(const std::string& name, int speed, const std::string& text)
{
    return WriteTextFile(name, "/fc|65535/fh|20/fn|DejaVu Sans Mono/fs|/ft|/bc|8388608/sp|" + std::to_string(speed) +
                                   "/sm|" + text + "/eo|");
}

std::string CreditFile(const std::string& name, const std::string& lines, const char* speed = "\r\n0")
{
    return WriteTextFile(name, "Credits\r\n65535\r\n-10\r\nDejaVu Sans Mono\r\n-9\r\n\r\n8388608" +
                                   std::string(speed) + lines);
}

class MessageDisplay : public PicViewTest<MessageProbe> {
protected:
    void Load(const std::string& name)
    {
        view.SetImageName(name);
        PumpMessages();
    }
    void Step(UINT message, int count)
    {
        for (int i = 0; i < count; ++i)
            ::SendMessageA(view.Handle(), message, 0, 0);
    }
    // True when the ink the window shows lies within the area: the steps
    // draw on the window outside of painting.
    bool InkShownWithin(const RECT& area)
    {
        PixelCanvas pixels(kWidth, kHeight);
        ::BitBlt(pixels.dc(), 0, 0, kWidth, kHeight, WindowDC(view.Handle()).get(), 0, 0, SRCCOPY);
        const RECT ink = BoundsOfColor(pixels, kWidth, kHeight, kInk);
        return ink.left <= ink.right && ink.left >= area.left && ink.top >= area.top && ink.right < area.right &&
               ink.bottom < area.bottom;
    }
};

} // namespace

// Speed 2: every third step moves the text by one pixel.
TEST_F(MessageDisplay, ScrollingTextEntersAtTheRightEdgeMovesAtItsSpeedAndRestartsAfterLeaving)
{
    Load(ScrollFile("lumo-run.scm", 2, "Lumoscope32 scrolls!"));
    ASSERT_EQ(std::pair(view.FScrollActive, view.FMsgWidth), std::pair(true, 200)) << "DejaVu Sans Mono is missing";
    EXPECT_EQ(std::tuple(view.FMsgX, view.FMsgY, view.Color()), std::tuple(352, 122, kBack));
    for (auto [steps, x] : {std::pair{2, 352}, {1, 351}, {2, 351}, {1, 350}, {294, 252}}) {
        Step(TPicView::kScrollStepMessage, steps);
        EXPECT_EQ(view.FMsgX, x);
    }
    EXPECT_TRUE(InkShownWithin(RECT{252, 122, 352, 142}));
    EXPECT_FALSE(InkShownWithin(RECT{262, 122, 352, 142})) << "the first letter has come in";
    Step(TPicView::kScrollStepMessage, 3 * 452);
    EXPECT_EQ(view.FMsgXEnd, 0);
    Step(TPicView::kScrollStepMessage, 3);
    EXPECT_EQ(std::pair(view.FMsgX, view.FMsgXEnd), std::pair(352, 552));
}

TEST_F(MessageDisplay, CreditLinesRiseInTurnSpacedAndWidenedButLoneSpacesKeepTheirWidth)
{
    Load(CreditFile("lumo-lines.cms", "\r\nHello\r\n Hi \r\n  \r\n "));
    ASSERT_TRUE(view.FCreditActive);
    const int x = view.FMsgX, h = view.FMsgHeight, stepsPerLine = kHeight + h + 6;
    Step(TPicView::kCreditStepMessage, 100);
    EXPECT_TRUE(InkShownWithin(RECT{x, kHeight - 100, x + view.FMsgWidth, kHeight - 100 + h}));
    Step(TPicView::kCreditStepMessage, stepsPerLine - 100);
    // 6 pixels per character: 24 + 24 / 2, no widening at all, 48 + 48 / 6.
    for (auto [index, shown, width] :
         {std::tuple{1, " Hi ", 36}, {2, "  ", 12}, {3, " ", 6}, {0, "  Hello ", 56}}) {
        EXPECT_EQ(std::tuple(view.FCreditIndex, view.FMsgText, view.FMsgWidth, view.FMsgY),
                  std::tuple(index, shown, width, kHeight));
        Step(TPicView::kCreditStepMessage, stepsPerLine);
    }
}

TEST_F(MessageDisplay, ALoadEndsAMessageGivingBackItsColourAPasteKeepsItAndCorruptOrVanishedFilesStartNone)
{
    const TBitmap pasted = MakeBitmap(30, 20, clRed);
    view.Picture().SetGraphic(&pasted);
    view.CopyToClipboard();
    view.SetColor(RGB(1, 2, 3));
    Load(CreditFile("lumo-seven.cms", "", ""));
    EXPECT_EQ(std::tuple(view.Picture().Graphic(), view.FScrollActive || view.FCreditActive, view.Color()),
              std::tuple(nullptr, false, RGB(1, 2, 3))) << "a corrupt file";
    for (const std::string& message : {ScrollFile("lumo-then.scm", 0, "x"), CreditFile("lumo-then.cms", "\r\nx")}) {
        Load(message);
        EXPECT_EQ(view.Color(), kBack) << message;
        Load(WriteBmpFile("lumo-after.bmp", 4, 4, clRed));
        EXPECT_EQ(std::pair(view.Color(), view.FScrollActive || view.FCreditActive), std::pair(RGB(1, 2, 3), false));
    }
    Load(ScrollFile("lumo-then.scm", 0, "x"));
    ::SendMessageA(view.Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(std::tuple(view.FScrollActive, view.Color(), view.Picture().Width()), std::tuple(false, kBack, 30));
    // A credit file that goes away after the loader found it.
    const std::string gone = CreditFile("lumo-gone.cms", "\r\nx");
    Load(gone);
    view.ClearPicture();
    ::DeleteFileA(gone.c_str());
    view.LoadCreditBox(gone);
    EXPECT_TRUE(!view.FCreditActive && view.FCreditLines.empty() && dialogs.requests.empty());
}
