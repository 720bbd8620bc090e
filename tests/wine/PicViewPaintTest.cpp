// Painting, and the properties that steer it.
#include "PictureTestSupport.h"
#include "framework/Metafile.h"

namespace {

constexpr COLORREF kBackground = RGB(0, 0, 255);
constexpr COLORREF kPicture = RGB(0, 255, 0);
constexpr COLORREF kMark = RGB(255, 0, 0);

class PicViewPaint : public ::testing::Test {
protected:
    PicViewPaint() { host.View.SetColor(kBackground); }
    void Show(const TBitmap& bitmap) { host.View.Picture().SetGraphic(&bitmap); }
    COLORREF Pixel(int x, int y) { return PrintedView(host.View).At(x, y); }
    TPicView& View() { return host.View; }
    // True when the control asked to be repainted since the last call.
    bool Repainted()
    {
        RECT update{};
        const bool dirty = ::GetUpdateRect(View().Handle(), &update, FALSE) != FALSE;
        ::ValidateRect(View().Handle(), nullptr);
        return dirty;
    }

    PicViewHost host;
};

} // namespace

TEST_F(PicViewPaint, DrawsTheBitmapAtActualSizeCentredStretchedOrInShape)
{
    Show(MakeBitmap(10, 10, kPicture, {{RECT{0, 0, 5, 10}, kMark}}));
    EXPECT_EQ(std::tuple(Pixel(4, 9), Pixel(5, 0), Pixel(10, 10)), std::tuple(kMark, kPicture, kBackground));
    host.View.SetCenter(true);
    EXPECT_EQ(std::tuple(Pixel(171, 127), Pixel(176, 136), Pixel(170, 126)), std::tuple(kMark, kPicture, kBackground));
    host.View.SetStretch(true);
    EXPECT_EQ(std::tuple(Pixel(0, 0), Pixel(170, 263), Pixel(180, 0), Pixel(351, 263)),
              std::tuple(kMark, kMark, kPicture, kPicture));
    host.View.SetStretchRatio(true);
    PrintedView canvas(host.View);
    EXPECT_EQ(canvas.Bounds(kMark), (RECT{44, 0, 175, 263}));
    EXPECT_EQ(canvas.Bounds(kPicture), (RECT{176, 0, 307, 263}));
    EXPECT_EQ(canvas.Count(kMark) + canvas.Count(kPicture) + canvas.Count(kBackground), 352 * 264);
}

TEST_F(PicViewPaint, IconsAndMetafilesTakeThePlainPathCentredOnTheOuterSize)
{
    host.View.SetBorderStyle(bsSingle);
    host.SetClientSize(352, 264);
    host.View.SetCenter(true);
    // Outer 354 x 266: the plain path centres at (-23, -17), the bitmap path at (-24, -18).
    Show(MakeBitmap(400, 300, kPicture, {{RECT{23, 17, 24, 18}, kMark}, {RECT{24, 18, 25, 19}, kBackground}}));
    EXPECT_EQ(Pixel(0, 0), kBackground);
    for (auto [type, libPalette] : {std::pair{"WMF", true}, {"ICO", true}, {"BMP", false}}) {
        host.View.ImageFileType = type;
        host.View.SetLibPalette(libPalette);
        EXPECT_EQ(Pixel(0, 0), kMark) << type;
    }
}

TEST_F(PicViewPaint, RotatedOverlayTextHasItsShadowTwoPixelsRightAndDownThenOnPaintFires)
{
    int paints = 0;
    host.View.OnPaint = [&](TPicView&) { ++paints; };
    host.View.SetFont(TFont{.Name = "Liberation Sans", .Height = -24, .Color = kPicture, .Style = fsBold});
    host.View.SetText("HHHHHH");
    host.View.SetTextLeft(100);
    host.View.SetTextTop(240);
    host.View.SetTextShadow(true);
    host.View.SetTextShadowColor(kMark);
    host.View.SetTextRotate(90);
    PrintedView canvas(host.View);
    const RECT text = canvas.Bounds(kPicture);
    const RECT shadow = canvas.Bounds(kMark);
    ASSERT_GE(text.right, text.left) << "an empty picture still shows the text";
    EXPECT_GT(text.bottom - text.top, 2 * (text.right - text.left)) << "written bottom to top";
    EXPECT_LE(text.bottom, 240);
    EXPECT_GE(text.left, 100);
    EXPECT_EQ(shadow.right, text.right + 2);
    EXPECT_EQ(shadow.bottom, text.bottom + 2);
    EXPECT_EQ(paints, 1);
}

TEST_F(PicViewPaint, StretchAndStretchRatioExcludeEachOtherAndRepaintOnlyWhenChanged)
{
    Repainted();
    View().SetStretch(true);
    EXPECT_TRUE(Repainted());
    View().SetStretchRatio(true);
    EXPECT_EQ(std::pair(View().Stretch(), View().StretchRatio()), std::pair(false, true));
    View().SetStretch(true);
    EXPECT_EQ(std::pair(View().Stretch(), View().StretchRatio()), std::pair(true, false));
    Repainted();
    View().SetStretch(true);
    EXPECT_FALSE(Repainted()) << "an unchanged value";
    View().SetTextShadowColor(clRed);
    EXPECT_FALSE(Repainted()) << "the shadow colour waits for the next repaint";
}

TEST_F(PicViewPaint, AutoSizeTakesThePicturesSizeWhenThereIsOne)
{
    ::SetWindowPos(View().Handle(), nullptr, 10, 20, 50, 60, SWP_NOZORDER | SWP_NOACTIVATE);
    View().SetAutoSize(true);
    EXPECT_EQ(RectInParent(View().Handle()), (RECT{10, 20, 60, 80})) << "no picture, no change";
    TBitmap bitmap = MakeBitmap(640, 480, clBlack);
    View().Picture().SetGraphic(&bitmap);
    EXPECT_EQ(RectInParent(View().Handle()), (RECT{10, 20, 650, 500}));
}

TEST_F(PicViewPaint, IsOpaqueAndSkipsErasingExactlyWhileABitmapCoversIt)
{
    host.SetClientSize(40, 30);
    TMetafile metafile;
    metafile.LoadFromFile(WriteWmfFile("lumo-opaque.wmf"));
    const TBitmap covering = MakeBitmap(40, 30, clRed), smaller = MakeBitmap(40, 29, clRed);
    for (auto [graphic, opaque] : {std::pair<const TGraphic*, bool>{&covering, true}, {&smaller, false},
                                   {&metafile, false}}) {
        View().Picture().SetGraphic(graphic);
        EXPECT_EQ(View().Opaque(), opaque);
        PixelCanvas canvas(40, 30);
        ::SendMessageA(View().Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0);
        EXPECT_EQ(canvas.At(5, 5), opaque ? clBlack : View().Color()) << opaque;
    }
}
