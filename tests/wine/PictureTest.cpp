#include "PictureTestSupport.h"
#include "framework/Icon.h"
#include "framework/Metafile.h"

namespace {

COLORREF FirstPixel(const TGraphic& graphic)
{
    PixelCanvas pixels(4, 4);
    TCanvas(pixels.dc()).StretchDraw(RECT{0, 0, 4, 4}, graphic);
    return pixels.At(1, 1);
}

bool IsAlive(HGDIOBJ object) { return ::GetObjectType(object) != 0; }

} // namespace

TEST(PictureCopies, ShareThePixelsUntilOneOfThemChanges)
{
    const TBitmap bitmap = MakeBitmap(64, 48, RGB(255, 0, 0));
    TPicture copy;
    copy.SetGraphic(&bitmap);
    ASSERT_EQ(copy.HeldBitmap()->Handle(), bitmap.Handle()) << "one pixel buffer for both";
    TCanvas& canvas = copy.Bitmap().Canvas();
    canvas.SetBrushColor(RGB(0, 255, 0));
    canvas.FillRect(RECT{0, 0, 64, 48});
    EXPECT_NE(copy.HeldBitmap()->Handle(), bitmap.Handle());
    EXPECT_EQ(std::pair(FirstPixel(bitmap), FirstPixel(*copy.Graphic())), std::pair(RGB(255, 0, 0), RGB(0, 255, 0)));
    // A new palette on a copy, too.
    TBitmap original;
    ASSERT_TRUE(ReadBmpFile(WriteBmpFile("lumo-cow.bmp", 8, 8, RGB(0, 0, 200)), 8, 0, original));
    const HPALETTE palette = original.Palette();
    TBitmap paletteCopy = original;
    paletteCopy.SetPalette(nullptr);
    EXPECT_TRUE(palette && original.Palette() == palette && IsAlive(palette));
    EXPECT_NE(paletteCopy.Handle(), original.Handle()) << "the copy's own bitmap";
}

TEST(PictureControl, LeaksNoHandlesOver500LoadsOfMixedFiles)
{
    const std::vector<std::string> files = {
        WriteBmpFile("lumo-mix.bmp", 16, 16, RGB(1, 2, 3)),  WriteResourceFile("PICVIEW_TIF", "lumo-mix.tif"),
        WriteResourceFile("PICVIEW_GIF", "lumo-mix.gif"),    WriteResourceFile("PICVIEW_ICO", "lumo-mix.ico"),
        WriteWmfFile("lumo-mix.wmf", true),                  "LOGO.RES",
        WriteBmpFile("lumo-mix-cut.bmp", 16, 16, 0, 30),     TempFile("lumo-mix-missing.bmp")};
    ScriptedDialogs dialogs;
    std::vector<HGDIOBJ> objects;
    std::vector<HICON> icons;
    {
        PicViewHost host;
        for (int i = 0; i < 500; ++i) {
            host.View.SetImageReadRes(i % 3 ? lAutoMatic : lColor256);
            host.View.SetImageName(files[static_cast<std::size_t>(i) % files.size()]);
            PrintedView painted(host.View, 32, 32);
            const TGraphic* graphic = host.View.Picture().Graphic();
            if (auto* bitmap = dynamic_cast<const TBitmap*>(graphic))
                objects.insert(objects.end(), {bitmap->Handle(), bitmap->Palette()});
            else if (auto* metafile = dynamic_cast<const TMetafile*>(graphic))
                objects.push_back(metafile->Handle());
            else if (auto* icon = dynamic_cast<const TIcon*>(graphic))
                icons.push_back(icon->Handle());
        }
    }
    EXPECT_TRUE(objects.size() >= 400u && icons.size() >= 60u);
    for (HGDIOBJ object : objects)
        EXPECT_FALSE(object && IsAlive(object)) << "a picture's handle outlived it";
    ICONINFO info{};
    for (HICON icon : icons)
        EXPECT_FALSE(::GetIconInfo(icon, &info)) << "an icon outlived its picture";
}
