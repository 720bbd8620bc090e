// Painting, and the properties that steer it.
#include "PictureTestSupport.h"
#include "tests/native/picdec/writers/HandBuiltPictures.h"

namespace {

constexpr COLORREF kBackground = RGB(0, 0, 255);
constexpr COLORREF kPicture = RGB(0, 255, 0);
constexpr COLORREF kMark = RGB(255, 0, 0);

class PicViewPaint : public PicViewTest<> {
protected:
    PicViewPaint() { view.SetColor(kBackground); }
    COLORREF Pixel(int x, int y) { return PrintedView(view).At(x, y); }
    // True when the control asked to be repainted since the last call.
    bool Repainted()
    {
        const bool dirty = ::GetUpdateRect(view.Handle(), nullptr, FALSE) != FALSE;
        ::ValidateRect(view.Handle(), nullptr);
        return dirty;
    }
};

} // namespace

// Stretch and StretchRatio exclude each other: the second Stretch shows stretched again.
TEST_F(PicViewPaint, DrawsTheBitmapAtActualSizeCentredStretchedOrInShapeRepaintingOnEachChange)
{
    const TBitmap bitmap = MakeBitmap(10, 10, kPicture, {{RECT{0, 0, 5, 10}, kMark}});
    view.Picture().SetGraphic(&bitmap);
    EXPECT_EQ(PrintedView(view).Bounds(kMark), (RECT{0, 0, 4, 9}));
    Repainted();
    using Setter = void (TPicView::*)(bool);
    for (auto [set, mark, picture] :
         {std::tuple{Setter{&TPicView::SetCenter}, RECT{171, 127, 175, 136}, RECT{176, 127, 180, 136}},
          {&TPicView::SetStretch, RECT{0, 0, 175, 263}, RECT{176, 0, 351, 263}},
          {&TPicView::SetStretchRatio, RECT{44, 0, 175, 263}, RECT{176, 0, 307, 263}},
          {&TPicView::SetStretch, RECT{0, 0, 175, 263}, RECT{176, 0, 351, 263}}}) {
        (view.*set)(true);
        EXPECT_TRUE(Repainted());
        const PrintedView canvas(view);
        EXPECT_EQ(std::pair(canvas.Bounds(kMark), canvas.Bounds(kPicture)), std::pair(mark, picture));
        EXPECT_EQ(canvas.Count(kMark) + canvas.Count(kPicture) + canvas.Count(kBackground), 352 * 264);
    }
    view.SetStretch(true);
    view.SetTextShadowColor(clRed);
    EXPECT_FALSE(Repainted()) << "an unchanged value; the shadow colour waits for the next repaint";
}

TEST_F(PicViewPaint, IconsAndMetafilesTakeThePlainPathCentredOnTheOuterSize)
{
    view.SetBorderStyle(bsSingle);
    host.SetClientSize(352, 264);
    view.SetCenter(true);
    // Outer 354 x 266: the plain path centres at (-23, -17), the bitmap path at (-24, -18).
    const TBitmap bitmap =
        MakeBitmap(400, 300, kPicture, {{RECT{23, 17, 24, 18}, kMark}, {RECT{24, 18, 25, 19}, kBackground}});
    view.Picture().SetGraphic(&bitmap);
    EXPECT_EQ(Pixel(0, 0), kBackground);
    for (auto [type, libPalette] : {std::pair{"WMF", true}, {"ICO", true}, {"BMP", false}}) {
        view.ImageFileType = type;
        view.SetLibPalette(libPalette);
        EXPECT_EQ(Pixel(0, 0), kMark) << type;
    }
}

TEST_F(PicViewPaint, RotatedOverlayTextHasItsShadowTwoPixelsRightAndDownThenOnPaintFires)
{
    int paints = 0;
    view.OnPaint = [&](TPicView&) { ++paints; };
    view.SetFont(TFont{.Name = "Liberation Sans", .Height = -24, .Color = kPicture, .Style = fsBold});
    view.SetText("HHHHHH");
    view.SetTextLeft(100);
    view.SetTextTop(240);
    view.SetTextShadow(true);
    view.SetTextShadowColor(kMark);
    view.SetTextRotate(90);
    const PrintedView canvas(view);
    const RECT text = canvas.Bounds(kPicture), shadow = canvas.Bounds(kMark);
    ASSERT_GE(text.right, text.left) << "an empty picture still shows the text";
    EXPECT_GT(text.bottom - text.top, 2 * (text.right - text.left)) << "written bottom to top";
    EXPECT_TRUE(text.bottom <= 240 && text.left >= 100);
    EXPECT_EQ(std::pair(shadow.right, shadow.bottom), std::pair(text.right + 2, text.bottom + 2));
    EXPECT_EQ(paints, 1);
}

// Opaque, the control skips erasing.
TEST_F(PicViewPaint, ANewPictureSizesAnAutoSizedControlWhichIsOpaqueExactlyWhileABitmapCoversIt)
{
    auto erases = [&] {
        PixelCanvas canvas(40, 30);
        ::SendMessageA(view.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0);
        return canvas.At(5, 5) == kBackground;
    };
    ::SetWindowPos(view.Handle(), nullptr, 10, 20, 50, 60, SWP_NOZORDER | SWP_NOACTIVATE);
    view.SetAutoSize(true);
    EXPECT_EQ(RectInParent(view.Handle()), (RECT{10, 20, 60, 80})) << "no picture, no change";
    const TBitmap covering = MakeBitmap(40, 30, clRed), smaller = MakeBitmap(40, 29, clRed);
    const RECT sized{10, 20, 50, 50};
    view.Picture().SetGraphic(&covering);
    EXPECT_EQ(std::tuple(RectInParent(view.Handle()), view.Opaque(), erases()), std::tuple(sized, true, false));
    view.SetAutoSize(false);
    view.Picture().SetGraphic(&smaller);
    EXPECT_EQ(std::tuple(RectInParent(view.Handle()), view.Opaque(), erases()), std::tuple(sized, false, true));
    view.Picture().Clear();
    EXPECT_EQ(std::pair(view.Opaque(), erases()), std::pair(false, true)) << "no bitmap";
}

// 1000 x 800: one-pixel white and black columns in turn in the top 600 rows,
// black below. Fitted into 352 x 264 it shrinks about 2.84 times, so every
// shrunk pixel of the lines holds one or two white columns of 2.84: a grey;
// dropped columns would leave black and white stripes. True colour is read
// in place, 256 colours a band of rows at a time; each on one paint path.
TEST_F(PicViewPaint, ShrinksByAveragingOnBothPaths)
{
    std::vector<std::vector<std::uint8_t>> rows(800);
    for (int y = 0; y < 800; ++y)
        for (int x = 0; x < 1000; ++x)
            rows[y].insert(rows[y].end(), 3, std::uint8_t(y < 600 && x % 2 == 0 ? 255 : 0));
    const std::string lines = WriteBytes(TempFile("lumo-lines.bmp"), picdec::samples::BmpFile(
        {.width = 1000, .height = 800, .pixels = picdec::samples::BmpRows(rows)}));
    view.SetImageDither(false);
    for (auto [resolution, bitmapPath] : {std::pair{lColorTrue, true}, {lColor256, false}}) {
        view.SetImageReadRes(resolution);
        view.SetImageName(lines);
        ASSERT_EQ(view.Picture().HeldBitmap()->BitsPerPixel(), resolution == lColorTrue ? 24 : 8);
        view.SetLibPalette(bitmapPath);
        bitmapPath ? view.SetStretchRatio(true) : view.SetStretch(true);
        const PrintedView canvas(view);
        EXPECT_EQ(canvas.At(100, 220), RGB(0, 0, 0)) << "the black rows below the lines";
        int stripes = 0;  // pixels of the shrunk lines that are not grey
        for (int y = 0; y < 190; ++y)
            for (int x = 0; x < 352; ++x)
                for (int channel : {GetRValue(canvas.At(x, y)), GetGValue(canvas.At(x, y)), GetBValue(canvas.At(x, y))})
                    stripes += channel < 80 || channel > 175 ? 1 : 0;
        EXPECT_EQ(stripes, 0) << resolution;
    }
    const TBitmap red = MakeBitmap(1000, 800, kMark);
    view.Picture().SetGraphic(&red);
    EXPECT_EQ(Pixel(176, 132), kMark) << "a new picture is shrunk afresh";
}
