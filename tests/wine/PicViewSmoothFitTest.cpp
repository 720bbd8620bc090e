#include "PictureTestSupport.h"
#include "tests/native/picdec/writers/HandBuiltPictures.h"

namespace {

// 1000 x 800: one-pixel black and white columns in turn in the top 600 rows,
// black below. Fitted into 352 x 264 it shrinks about 2.84 times, so every
// shrunk pixel of the lines holds one or two white columns of 2.84: a grey
// between 90 and 165. Dropped columns would leave black and white stripes.
constexpr int kWidth = 1000;
constexpr int kHeight = 800;
constexpr int kLineRows = 600;

bool White(int x, int y) { return y < kLineRows && x % 2 == 0; }

std::string WriteLinesBmp()
{
    std::vector<std::vector<std::uint8_t>> rows(kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            rows[y].insert(rows[y].end(), 3, std::uint8_t(White(x, y) ? 255 : 0));
    picdec::samples::BmpPlan plan;
    plan.width = kWidth;
    plan.height = kHeight;
    plan.pixels = picdec::samples::BmpRows(rows);
    return WriteBytes(TempFile("smooth_fit_lines.bmp"), picdec::samples::BmpFile(plan));
}

bool Grey(COLORREF c)
{
    for (int channel : {GetRValue(c), GetGValue(c), GetBValue(c)})
        if (channel < 80 || channel > 175)
            return false;
    return true;
}

class PicViewSmoothFit : public ::testing::Test {
protected:
    static void SetUpTestSuite() { path_ = WriteLinesBmp(); }
    void Load(TLoadResolution resolution)
    {
        host.View.SetImageReadRes(resolution);
        host.View.SetImageDither(false);
        host.View.SetImageName(path_);
        ASSERT_EQ(host.View.Picture().Width(), kWidth);
    }
    // The lines are grey and the black rows below stay black.
    void ExpectSmooth(const char* what)
    {
        PixelCanvas canvas(352, 264);
        PrintClient(host.View, canvas);
        int stripes = 0;
        for (int y = 0; y < 190; ++y)
            for (int x = 0; x < 352; ++x)
                stripes += Grey(canvas.At(x, y)) ? 0 : 1;
        EXPECT_EQ(stripes, 0) << what << ": pixels not grey, first " << std::hex << canvas.At(0, 0) << " "
                              << canvas.At(1, 0);
        EXPECT_EQ(canvas.At(100, 220), RGB(0, 0, 0)) << what;
    }

    static inline std::string path_;
    PicViewHost host;
};

} // namespace

TEST_F(PicViewSmoothFit, ShrinksByAveragingOnBothPaintPaths)
{
    // True colour is read in place, 256 colours a band of rows at a time.
    for (TLoadResolution resolution : {lColorTrue, lColor256}) {
        Load(resolution);
        EXPECT_EQ(host.View.Picture().HeldBitmap()->BitsPerPixel(), resolution == lColorTrue ? 24 : 8);
        host.View.SetLibPalette(true);
        host.View.SetStretchRatio(true);
        ExpectSmooth(resolution == lColorTrue ? "24 bits, shape kept" : "8 bits, shape kept");
        host.View.SetLibPalette(false);
        host.View.SetStretch(true);
        ExpectSmooth(resolution == lColorTrue ? "24 bits, stretched" : "8 bits, stretched");
        host.View.SetStretch(false);
    }
}

TEST_F(PicViewSmoothFit, ActualSizeStaysExact)
{
    Load(lColorTrue);
    PixelCanvas canvas(352, 264);
    PrintClient(host.View, canvas);
    for (int y : {0, 263})
        for (int x = 0; x < 352; ++x)
            ASSERT_EQ(canvas.At(x, y), White(x, y) ? RGB(255, 255, 255) : RGB(0, 0, 0)) << x << ", " << y;
}

TEST_F(PicViewSmoothFit, ANewPictureIsShrunkAfresh)
{
    Load(lColorTrue);
    host.View.SetStretchRatio(true);
    ExpectSmooth("lines");
    const TBitmap red = MakeBitmap(kWidth, kHeight, RGB(255, 0, 0));
    host.View.Picture().SetGraphic(&red);
    PixelCanvas canvas(352, 264);
    PrintClient(host.View, canvas);
    EXPECT_EQ(canvas.At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(351, 150), RGB(255, 0, 0));
}
