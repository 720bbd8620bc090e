#include "PictureTestSupport.h"

namespace {

constexpr COLORREF kBackground = RGB(0, 0, 255);
constexpr COLORREF kPicture = RGB(0, 255, 0);
constexpr COLORREF kMark = RGB(255, 0, 0);

class PicViewPaint : public ::testing::Test {
protected:
    PicViewPaint() { host.View.SetColor(kBackground); }
    void Show(const TBitmap& bitmap) { host.View.Picture().SetGraphic(&bitmap); }
    COLORREF Pixel(int x, int y)
    {
        PixelCanvas canvas(352, 264);
        PrintClient(host.View, canvas);
        return canvas.At(x, y);
    }

    PicViewHost host;
};

} // namespace

TEST_F(PicViewPaint, DrawsTheBitmapAtActualSizeOrCentred)
{
    // 400 x 300 in 352 x 264: centred, the picture's pixel 24, 18 lands on 0, 0.
    Show(MakeBitmap(400, 300, kPicture, {{RECT{24, 18, 26, 20}, kMark}, {RECT{0, 0, 2, 2}, kBackground}}));
    EXPECT_EQ(Pixel(0, 0), kBackground);
    host.View.SetCenter(true);
    EXPECT_EQ(Pixel(0, 0), kMark);
    EXPECT_EQ(Pixel(2, 2), kPicture);
    Show(MakeBitmap(10, 10, kMark));
    EXPECT_EQ(Pixel(171, 127), kMark);
    EXPECT_EQ(Pixel(170, 126), kBackground) << "centred at ((352 - 10) / 2, (264 - 10) / 2)";
}

TEST_F(PicViewPaint, StretchFillsTheClientArea)
{
    Show(MakeBitmap(10, 10, kPicture, {{RECT{0, 0, 5, 10}, kMark}}));
    host.View.SetStretch(true);
    EXPECT_EQ(Pixel(0, 0), kMark);
    EXPECT_EQ(Pixel(170, 263), kMark);
    EXPECT_EQ(Pixel(180, 0), kPicture);
    EXPECT_EQ(Pixel(351, 263), kPicture);
}

TEST_F(PicViewPaint, StretchRatioKeepsTheShape)
{
    struct Case {
        int pw, ph;
        RECT expected;  // inclusive last pixel in right and bottom
    };
    host.View.SetStretchRatio(true);
    for (const Case& c : {Case{100, 100, {44, 0, 307, 263}}, Case{640, 480, {0, 0, 351, 263}},
                          Case{200, 50, {0, 88, 351, 175}}}) {
        Show(MakeBitmap(c.pw, c.ph, kPicture));
        PixelCanvas canvas(352, 264);
        PrintClient(host.View, canvas);
        EXPECT_EQ(BoundsOfColor(canvas, 352, 264, kPicture), c.expected) << c.pw << " x " << c.ph;
        EXPECT_EQ(canvas.Count(kPicture) + canvas.Count(kBackground), 352 * 264);
    }
}

TEST_F(PicViewPaint, IconsAndMetafilesTakeThePlainPathCentredOnTheOuterSize)
{
    host.View.SetBorderStyle(bsSingle);
    host.SetClientSize(352, 264);
    host.View.SetCenter(true);
    // Outer 354 x 266: the plain path centres at (-23, -17), the bitmap path at (-24, -18).
    Show(MakeBitmap(400, 300, kPicture, {{RECT{23, 17, 24, 18}, kMark}, {RECT{24, 18, 25, 19}, kBackground}}));
    EXPECT_EQ(Pixel(0, 0), kBackground);
    for (const char* type : {"WMF", "ICO"}) {
        host.View.ImageFileType = type;
        EXPECT_EQ(Pixel(0, 0), kMark) << type;
    }
    host.View.ImageFileType = "BMP";
    host.View.SetLibPalette(false);
    EXPECT_EQ(Pixel(0, 0), kMark);
}

TEST_F(PicViewPaint, RotatedOverlayTextHasItsShadowTwoPixelsRightAndDown)
{
    TFont font;
    font.Name = "Liberation Sans";
    font.Height = -24;
    font.Style = fsBold;
    font.Color = kPicture;
    host.View.SetFont(font);
    host.View.SetText("HHHHHH");
    host.View.SetTextLeft(100);
    host.View.SetTextTop(240);
    host.View.SetTextShadow(true);
    host.View.SetTextShadowColor(kMark);
    host.View.SetTextRotate(90);
    PixelCanvas canvas(352, 264);
    PrintClient(host.View, canvas);
    RECT text = BoundsOfColor(canvas, 352, 264, kPicture);
    RECT shadow = BoundsOfColor(canvas, 352, 264, kMark);
    ASSERT_GE(text.right, text.left);
    EXPECT_GT(text.bottom - text.top, 2 * (text.right - text.left)) << "written bottom to top";
    EXPECT_LE(text.bottom, 240);
    EXPECT_GE(text.left, 100);
    EXPECT_EQ(shadow.right, text.right + 2);
    EXPECT_EQ(shadow.bottom, text.bottom + 2);
}

TEST_F(PicViewPaint, AnEmptyPictureStillShowsTheTextAndFiresOnPaint)
{
    int paints = 0;
    host.View.OnPaint = [&](TPicView&) { ++paints; };
    TFont font;
    font.Height = -20;
    font.Color = kMark;
    host.View.SetFont(font);
    host.View.SetText("Empty");
    host.View.SetTextTransParent(false);
    PixelCanvas canvas(352, 264);
    PrintClient(host.View, canvas);
    EXPECT_GT(canvas.Count(kMark), 20);
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(canvas.At(300, 200), kBackground);
}
