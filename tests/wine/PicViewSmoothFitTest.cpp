#include "PictureTestSupport.h"
#include "tests/native/picdec/writers/HandBuiltPictures.h"

namespace {

// 1000 x 800: one-pixel white and black columns in turn in the top 600 rows,
// black below. Fitted into 352 x 264 it shrinks about 2.84 times, so every
// shrunk pixel of the lines holds one or two white columns of 2.84: a grey.
// Dropped columns would leave black and white stripes.
std::string WriteLinesBmp()
{
    std::vector<std::vector<std::uint8_t>> rows(800);
    for (int y = 0; y < 800; ++y)
        for (int x = 0; x < 1000; ++x)
            rows[y].insert(rows[y].end(), 3, std::uint8_t(y < 600 && x % 2 == 0 ? 255 : 0));
    picdec::samples::BmpPlan plan;
    plan.width = 1000;
    plan.height = 800;
    plan.pixels = picdec::samples::BmpRows(rows);
    return WriteBytes(TempFile("smooth_fit_lines.bmp"), picdec::samples::BmpFile(plan));
}

// The pixels of the shrunk lines that are not grey.
int StripePixels(TPicView& view)
{
    PrintedView canvas(view);
    EXPECT_EQ(canvas.At(100, 220), RGB(0, 0, 0)) << "the black rows below the lines";
    int stripes = 0;
    for (int y = 0; y < 190; ++y)
        for (int x = 0; x < 352; ++x)
            for (int channel : {GetRValue(canvas.At(x, y)), GetGValue(canvas.At(x, y)), GetBValue(canvas.At(x, y))})
                stripes += channel < 80 || channel > 175 ? 1 : 0;
    return stripes;
}

} // namespace

// True colour is read in place, 256 colours a band of rows at a time; the
// bitmap path fits the shape, the plain path stretches.
TEST(PicViewSmoothFit, ShrinksByAveragingOnBothPaintPathsAndKeepsActualSizeExact)
{
    const std::string lines = WriteLinesBmp();
    PicViewHost host;
    host.View.SetImageDither(false);
    for (TLoadResolution resolution : {lColorTrue, lColor256}) {
        host.View.SetImageReadRes(resolution);
        host.View.SetImageName(lines);
        ASSERT_EQ(host.View.Picture().HeldBitmap()->BitsPerPixel(), resolution == lColorTrue ? 24 : 8);
        host.View.SetLibPalette(true);
        host.View.SetStretch(false);
        PrintedView actual(host.View);
        for (int x = 0; x < 352; ++x)
            ASSERT_EQ(actual.At(x, 0), x % 2 ? RGB(0, 0, 0) : RGB(255, 255, 255)) << x << " at actual size";
        host.View.SetStretchRatio(true);
        EXPECT_EQ(StripePixels(host.View), 0) << resolution << ", shape kept";
        host.View.SetLibPalette(false);
        host.View.SetStretch(true);
        EXPECT_EQ(StripePixels(host.View), 0) << resolution << ", stretched";
    }
    host.View.SetLibPalette(true);
    host.View.SetStretchRatio(true);
    const TBitmap red = MakeBitmap(1000, 800, RGB(255, 0, 0));
    host.View.Picture().SetGraphic(&red);
    EXPECT_EQ(PrintedView(host.View).At(176, 132), RGB(255, 0, 0)) << "a new picture is shrunk afresh";
}
