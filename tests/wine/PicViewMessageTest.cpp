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

std::string CreditFile(const std::string& name, const std::vector<std::string>& lines, bool withSpeed = true)
{
    std::string text = std::string("Credits\r\n65535\r\n-10\r\nDejaVu Sans Mono\r\n-9\r\n\r\n8388608") +
                       (withSpeed ? "\r\n0" : "");
    for (const std::string& line : lines)
        text += "\r\n" + line;
    return WriteTextFile(name, text);
}

class MessageDisplay : public ::testing::Test {
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
    // The bounds of the ink the window shows: the steps draw on the window
    // outside of painting.
    RECT InkShown()
    {
        PixelCanvas pixels(kWidth, kHeight);
        WindowDC dc(view.Handle());
        ::BitBlt(pixels.dc(), 0, 0, kWidth, kHeight, dc.get(), 0, 0, SRCCOPY);
        return BoundsOfColor(pixels, kWidth, kHeight, kInk);
    }
    static bool Inside(const RECT& ink, const RECT& area)
    {
        return ink.left <= ink.right && ink.left >= area.left && ink.top >= area.top && ink.right < area.right &&
               ink.bottom < area.bottom;
    }

    BasicPicViewHost<MessageProbe> host;
    MessageProbe& view = host.View;
    ScriptedDialogs dialogs;
};

} // namespace

TEST_F(MessageDisplay, ScrollingTextEntersAtTheRightEdgeAndRestartsAfterLeaving)
{
    Load(ScrollFile("lumo-run.scm", 0, "Lumoscope32 scrolls!"));
    ASSERT_TRUE(view.FScrollActive);
    ASSERT_EQ(view.FMsgWidth, 200) << "DejaVu Sans Mono is missing";
    EXPECT_EQ(std::tuple(view.FMsgX, view.FMsgY, view.Color()), std::tuple(352, 122, kBack));
    Step(TPicView::kScrollStepMessage, 100);
    const RECT ink = InkShown();
    EXPECT_TRUE(Inside(ink, RECT{252, 122, 352, 142}) && ink.left < 262) << "first letter at " << ink.left;
    Step(TPicView::kScrollStepMessage, 452);
    EXPECT_EQ(view.FMsgXEnd, 0);
    Step(TPicView::kScrollStepMessage, 1);
    EXPECT_EQ(std::pair(view.FMsgX, view.FMsgXEnd), std::pair(352, 552));
}

TEST_F(MessageDisplay, SpeedNMovesOnEveryNPlusFirstStep)
{
    Load(ScrollFile("lumo-speed.scm", 2, "x"));
    const int x = view.FMsgX;
    for (auto [steps, moved] : {std::pair{2, 0}, {1, 1}, {2, 1}, {1, 2}}) {
        Step(TPicView::kScrollStepMessage, steps);
        EXPECT_EQ(x - view.FMsgX, moved);
    }
}

TEST_F(MessageDisplay, CreditLinesAreSpacedAndWidenedButLoneSpacesKeepTheirWidth)
{
    // 6 pixels per character: 48 + 48 / 6, 42 + 42 / 5, and no widening at all.
    for (auto [line, shown, width] : {std::tuple{"Hello", "  Hello ", 56}, {" Hello ", " Hello ", 50}, {" ", " ", 6},
                                      {"  ", "  ", 12}}) {
        Load(CreditFile("lumo-line.cms", {line}));
        ASSERT_TRUE(view.FCreditActive) << shown;
        EXPECT_EQ(view.FMsgText, shown);
        EXPECT_EQ(std::pair(view.FMsgWidth, view.FMsgY), std::pair(width, kHeight)) << shown;
    }
}

TEST_F(MessageDisplay, TheFirstCreditLineRisesAgainAfterTheLast)
{
    Load(CreditFile("lumo-two.cms", {"One", "Two"}));
    ASSERT_TRUE(view.FCreditActive);
    const int x = view.FMsgX;
    const int h = view.FMsgHeight;
    Step(TPicView::kCreditStepMessage, 100);
    EXPECT_TRUE(Inside(InkShown(), RECT{x, kHeight - 100, x + view.FMsgWidth, kHeight - 100 + h}));
    const int stepsPerLine = kHeight + h + 6;
    Step(TPicView::kCreditStepMessage, stepsPerLine - 100);
    EXPECT_EQ(std::tuple(view.FCreditIndex, view.FMsgText, view.FMsgY), std::tuple(1, "  Two ", kHeight));
    Step(TPicView::kCreditStepMessage, stepsPerLine);
    EXPECT_EQ(std::tuple(view.FCreditIndex, view.FMsgText), std::tuple(0, "  One "));
}

TEST_F(MessageDisplay, LoadingAPictureGivesBackTheColourFromBeforeTheMessage)
{
    const std::string bmp = WriteBmpFile("lumo-after.bmp", 4, 4, clRed);
    for (const std::string& message : {ScrollFile("lumo-then.scm", 0, "x"), CreditFile("lumo-then.cms", {"x"})}) {
        view.SetColor(RGB(1, 2, 3));
        Load(message);
        EXPECT_EQ(view.Color(), kBack) << message;
        Load(bmp);
        EXPECT_EQ(view.Color(), RGB(1, 2, 3)) << message;
        EXPECT_FALSE(view.FScrollActive || view.FCreditActive) << message;
    }
}

TEST_F(MessageDisplay, ACorruptOrVanishedFileEmptiesThePictureAndStartsNothing)
{
    TBitmap bitmap = MakeBitmap(4, 4, clRed);
    view.Picture().SetGraphic(&bitmap);
    view.SetColor(RGB(1, 2, 3));
    Load(CreditFile("lumo-seven.cms", {}, false));
    EXPECT_EQ(view.Picture().Graphic(), nullptr);
    EXPECT_FALSE(view.FScrollActive || view.FCreditActive);
    EXPECT_EQ(view.Color(), RGB(1, 2, 3));
    // A credit file that goes away after the loader found it.
    const std::string gone = CreditFile("lumo-gone.cms", {"x"});
    Load(gone);
    view.ClearPicture();
    ::DeleteFileA(gone.c_str());
    view.LoadCreditBox(gone);
    EXPECT_FALSE(view.FCreditActive);
    EXPECT_TRUE(view.FCreditLines.empty());
    EXPECT_TRUE(dialogs.requests.empty());
}
