#include "PictureTestSupport.h"
#include "framework/Metafile.h"

namespace {

class PicViewProperties : public ::testing::Test {
protected:
    // True when the control asked to be repainted since the last call.
    bool Repainted()
    {
        RECT update{};
        bool dirty = ::GetUpdateRect(View().Handle(), &update, FALSE) != FALSE;
        ::ValidateRect(View().Handle(), nullptr);
        return dirty;
    }
    TPicView& View() { return host.View; }

    PicViewHost host;
};

} // namespace

TEST_F(PicViewProperties, StretchAndStretchRatioExcludeEachOther)
{
    Repainted();
    View().SetStretchRatio(true);
    EXPECT_TRUE(Repainted());
    View().SetStretch(true);
    EXPECT_TRUE(View().Stretch());
    EXPECT_FALSE(View().StretchRatio());
    EXPECT_TRUE(Repainted());
    View().SetStretchRatio(true);
    EXPECT_FALSE(View().Stretch());
    EXPECT_TRUE(View().StretchRatio());
    Repainted();
    View().SetStretchRatio(true);
    EXPECT_FALSE(Repainted()) << "an unchanged value";
}

TEST_F(PicViewProperties, ReplacesOutOfRangeSavingValues)
{
    struct Case {
        unsigned char written, quality, smooth;
    };
    for (const Case& c : {Case{0, 25, 0}, Case{101, 25, 5}, Case{100, 100, 100}, Case{1, 1, 1}, Case{255, 25, 5}}) {
        View().SetJPegSaveQuality(c.written);
        View().SetJPegSaveSmooth(c.written);
        EXPECT_EQ(View().JPegSaveQuality(), c.quality) << int(c.written);
        EXPECT_EQ(View().JPegSaveSmooth(), c.smooth) << int(c.written);
    }
}

TEST_F(PicViewProperties, AutoSizeTakesThePicturesSizeWhenThereIsOne)
{
    ::SetWindowPos(View().Handle(), nullptr, 10, 20, 50, 60, SWP_NOZORDER | SWP_NOACTIVATE);
    View().SetAutoSize(true);
    EXPECT_EQ(RectInParent(View().Handle()), (RECT{10, 20, 60, 80})) << "no picture, no change";
    TBitmap bitmap = MakeBitmap(640, 480, clBlack);
    View().Picture().SetGraphic(&bitmap);
    EXPECT_EQ(RectInParent(View().Handle()), (RECT{10, 20, 650, 500}));
}

TEST_F(PicViewProperties, IsOpaqueExactlyWhileABitmapCoversIt)
{
    ::SetWindowPos(View().Handle(), nullptr, 0, 0, 40, 30, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    TBitmap covering = MakeBitmap(40, 30, clRed);
    View().Picture().SetGraphic(&covering);
    EXPECT_TRUE(View().Opaque());
    PixelCanvas canvas(40, 30);
    ::SendMessageA(View().Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0);
    EXPECT_EQ(canvas.At(5, 5), clBlack) << "an opaque control is not erased";
    TBitmap smaller = MakeBitmap(40, 29, clRed);
    View().Picture().SetGraphic(&smaller);
    EXPECT_FALSE(View().Opaque());
    ::SendMessageA(View().Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0);
    EXPECT_EQ(canvas.At(5, 5), View().Color());
    TMetafile metafile;
    metafile.LoadFromFile(WriteWmfFile("lumo-opaque.wmf"));
    View().Picture().SetGraphic(&metafile);
    EXPECT_FALSE(View().Opaque());
}

TEST_F(PicViewProperties, TextShadowColorWaitsForTheNextRepaint)
{
    Repainted();
    View().SetTextShadowColor(clRed);
    EXPECT_EQ(View().TextShadowColor(), clRed);
    EXPECT_FALSE(Repainted());
    View().SetTextShadow(true);
    EXPECT_TRUE(Repainted());
}
