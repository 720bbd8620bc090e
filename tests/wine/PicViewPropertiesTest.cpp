#include "PictureTestSupport.h"
#include "framework/Metafile.h"

namespace {

class PicViewProperties : public ::testing::Test {
protected:
    // True when the control asked to be repainted since the last call.
    bool Repainted()
    {
        RECT update{};
        const bool dirty = ::GetUpdateRect(View().Handle(), &update, FALSE) != FALSE;
        ::ValidateRect(View().Handle(), nullptr);
        return dirty;
    }
    TPicView& View() { return host.View; }

    PicViewHost host;
};

} // namespace

TEST_F(PicViewProperties, StretchAndStretchRatioExcludeEachOtherAndRepaintOnlyWhenChanged)
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

TEST_F(PicViewProperties, AutoSizeTakesThePicturesSizeWhenThereIsOne)
{
    ::SetWindowPos(View().Handle(), nullptr, 10, 20, 50, 60, SWP_NOZORDER | SWP_NOACTIVATE);
    View().SetAutoSize(true);
    EXPECT_EQ(RectInParent(View().Handle()), (RECT{10, 20, 60, 80})) << "no picture, no change";
    TBitmap bitmap = MakeBitmap(640, 480, clBlack);
    View().Picture().SetGraphic(&bitmap);
    EXPECT_EQ(RectInParent(View().Handle()), (RECT{10, 20, 650, 500}));
}

TEST_F(PicViewProperties, IsOpaqueAndSkipsErasingExactlyWhileABitmapCoversIt)
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
