#include "PictureTestSupport.h"

namespace {

constexpr int kWidth = 352;
constexpr int kHeight = 264;
constexpr COLORREF kInk = RGB(255, 255, 0);   // 65535
constexpr COLORREF kBack = RGB(0, 0, 128);    // 8388608
constexpr const char* kBackValue = "8388608";

class MessageProbe : public TPicView {
public:
    using TPicView::FCreditActive;
    using TPicView::FCreditIndex;
    using TPicView::FCreditLines;
    using TPicView::FMsgHeight;
    using TPicView::FMsgText;
    using TPicView::FMsgWidth;
    using TPicView::FMsgX;
    using TPicView::FMsgXEnd;
    using TPicView::FMsgY;
    using TPicView::FScrollActive;
    using TPicView::LoadCreditBox;
};

// DejaVu Sans Mono: at height 20 each character is 10 pixels wide; at -9
// points (a cell height of 12) 6 pixels.
std::string ScrollFile(const std::string& name, int speed, const std::string& text)
{
    return WriteTextFile(name, std::string("/fc|65535/fh|20/fn|DejaVu Sans Mono/fs|/ft|/bc|") + kBackValue +
                                   "/sp|" + std::to_string(speed) + "/sm|" + text + "/eo|");
}

std::string CreditFile(const std::string& name, const std::vector<std::string>& lines, bool withSpeed = true)
{
    std::string text = std::string("Credits\r\n65535\r\n-10\r\nDejaVu Sans Mono\r\n-9\r\n\r\n") + kBackValue;
    if (withSpeed)
        text += "\r\n0";
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
    EXPECT_EQ(view.FMsgX, 352);
    EXPECT_EQ(view.FMsgY, 122);
    EXPECT_EQ(view.Color(), kBack);
    Step(TPicView::kScrollStepMessage, 100);
    const RECT ink = InkShown();
    EXPECT_TRUE(Inside(ink, RECT{252, 122, 352, 142}) && ink.left < 262) << "first letter at " << ink.left;
    Step(TPicView::kScrollStepMessage, 452);
    EXPECT_EQ(view.FMsgXEnd, 0);
    Step(TPicView::kScrollStepMessage, 1);
    EXPECT_EQ(view.FMsgX, 352);
    EXPECT_EQ(view.FMsgXEnd, 552);
}

TEST_F(MessageDisplay, SpeedNMovesOnEveryNPlusFirstStep)
{
    struct Case {
        int speed;
        std::vector<int> moves;
    };
    for (const Case& c : {Case{0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}}, Case{2, {3, 6, 9, 12}}, Case{5, {6, 12}}}) {
        Load(ScrollFile("lumo-speed.scm", c.speed, "x"));
        std::vector<int> moves;
        for (int step = 1; step <= 12; ++step) {
            const int x = view.FMsgX;
            Step(TPicView::kScrollStepMessage, 1);
            if (view.FMsgX != x)
                moves.push_back(step);
        }
        EXPECT_EQ(moves, c.moves) << "speed " << c.speed;
    }
}

TEST_F(MessageDisplay, CreditLinesAreSpacedAndWidenedButLoneSpacesKeepTheirWidth)
{
    struct Case {
        const char* line;
        const char* shown;
        int width;
    };
    // 6 pixels per character: 48 + 48 / 6, 42 + 42 / 5, and no widening at all.
    for (const Case& c : {Case{"Hello", "  Hello ", 56}, Case{" Hello ", " Hello ", 50}, Case{" ", " ", 6},
                          Case{"  ", "  ", 12}}) {
        Load(CreditFile("lumo-line.cms", {c.line}));
        ASSERT_TRUE(view.FCreditActive) << c.shown;
        EXPECT_EQ(view.FMsgText, c.shown);
        EXPECT_EQ(view.FMsgWidth, c.width) << c.shown;
        EXPECT_EQ(view.FMsgY, kHeight);
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
    EXPECT_EQ(view.FCreditIndex, 1);
    EXPECT_EQ(view.FMsgText, "  Two ");
    EXPECT_EQ(view.FMsgY, kHeight);
    Step(TPicView::kCreditStepMessage, stepsPerLine);
    EXPECT_EQ(view.FCreditIndex, 0);
    EXPECT_EQ(view.FMsgText, "  One ");
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

TEST_F(MessageDisplay, AMissingOrCorruptFileEmptiesThePictureAndStartsNothing)
{
    const std::string missing = TempFile("lumo-none.cms");
    ::DeleteFileA(missing.c_str());
    for (const std::string& file : {missing, CreditFile("lumo-seven.cms", {}, false),
                                    WriteTextFile("lumo-bad.scm", "/fc|red/fh|20/fn|x/fs|/ft|/bc|0/sp|0/sm|x/eo|")}) {
        TBitmap bitmap = MakeBitmap(4, 4, clRed);
        view.Picture().SetGraphic(&bitmap);
        view.SetColor(RGB(1, 2, 3));
        Load(file);
        EXPECT_EQ(view.Picture().Graphic(), nullptr) << file;
        EXPECT_FALSE(view.FScrollActive || view.FCreditActive) << file;
        EXPECT_EQ(view.Color(), RGB(1, 2, 3)) << file;
    }
    // A credit file that goes away after the loader found it.
    Load(CreditFile("lumo-gone.cms", {"x"}));
    view.ClearPicture();
    view.LoadCreditBox(missing);
    EXPECT_FALSE(view.FCreditActive);
    EXPECT_TRUE(view.FCreditLines.empty());
    EXPECT_TRUE(dialogs.requests.empty());
}
