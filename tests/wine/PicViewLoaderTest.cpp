#include "PictureTestSupport.h"
#include "text/PathText.h"
#include "framework/Exceptions.h"
#include "framework/Files.h"

namespace {

class PicViewLoader : public PicViewTest<> {
protected:
    std::string Load(const std::string& name)
    {
        view.SetImageName(name);
        return view.LoadedName();
    }
    std::string Captions() const
    {
        std::string captions;
        for (const DialogRequest& request : dialogs.requests)
            captions += request.caption + "/";
        return captions;
    }
};

} // namespace

TEST_F(PicViewLoader, ReadsByTheExtensionKeyAgainOnEachReadOfTheNameAndEmptiesThePictureForAMissingFile)
{
    const std::string tiff = WriteResourceFile("PICVIEW_TIF", "lumo-scan.tiff");
    EXPECT_EQ(Load(tiff), UpperAscii(tiff));
    EXPECT_EQ(std::tuple(view.Picture().Width(), view.ImageWidth, view.ImageFileSize),
              std::tuple(6, 6, FileSizeOf(tiff)));
    view.Picture().Clear();
    EXPECT_EQ(view.ImageName(), UpperAscii(tiff));
    EXPECT_EQ(view.Picture().Width(), 6) << "reading the name runs the loader again";
    ::DeleteFileA(tiff.c_str());
    EXPECT_EQ(view.ImageName(), TPicView::kFileNotFound);
    EXPECT_EQ(view.Picture().Graphic(), nullptr);
    EXPECT_EQ(Captions(), "");
}

TEST_F(PicViewLoader, MetafilesWithOrWithoutThePlaceableHeaderAreReadByThePictureHolderAndShownWithoutTheirEscapes)
{
    const std::string wmf = WriteWmfFile("lumo-chart.wmf", true);
    EXPECT_EQ(Load(wmf), TPicView::kNonLibraryImage);
    EXPECT_EQ(view.ImageFileType + "/" + view.ImageInfoText, "WMF/WMF");
    EXPECT_EQ(std::tuple(view.ImageWidth, view.ImageBitsPixel, view.ImagePlanes, view.ImageFileSize),
              std::tuple(200, 0, 0, FileSizeOf(wmf)));
    view.SetStretch(true);
    EXPECT_EQ(PrintedView(view).At(176, 132), RGB(255, 0, 0));
    ::DeleteFileA(wmf.c_str());
    EXPECT_FALSE(view.GetImageInfo(wmf));
    EXPECT_EQ(std::pair(view.ImageFileType, view.ImageFileSize), std::pair(std::string("ERR"), std::int64_t{-1}));
    // One without the placeable header; a bitmap asked of it replaces it by an empty one.
    view.Picture().LoadFromFile(WriteWmfFile("lumo-plain.wmf", false, false));
    EXPECT_GT(view.Picture().Width(), 0);
    EXPECT_EQ(PrintedView(view).At(176, 132), RGB(255, 0, 0));
    EXPECT_TRUE(view.Picture().Bitmap().Empty() && view.Picture().HeldBitmap());
}

TEST_F(PicViewLoader, UnreadableIconsAndMetafilesRaiseTheFrameworkError)
{
    const std::string icon = WriteResourceFile("PICVIEW_ICO", "lumo-small.icon");
    const std::string brokenIcon = WriteTextFile("lumo-broken.ico", "no icon at all");
    const std::string brokenMetafile = WriteTextFile("lumo-broken.wmf", std::string(40, '\x01'));
    for (auto [path, message] : {std::pair<std::string, std::string>{icon, "Unbekannte Bilddateierweiterung (.icon)"},
                                 {brokenIcon, "Ungültiges Symbol in " + brokenIcon},
                                 {brokenMetafile, "Ungültige Metadatei in " + brokenMetafile}}) {
        try {
            view.SetImageName(path);
            ADD_FAILURE() << path;
        } catch (const EInvalidGraphic& error) {
            EXPECT_EQ(error.what(), message);
        }
    }
}

// By name and by number, each with its colour table as the palette.
TEST_F(PicViewLoader, ResourcePicturesComeFromTheProgramItself)
{
    auto colours = [&] {
        WORD count = 0;
        ::GetObjectA(view.Picture().HeldBitmap()->Palette(), sizeof count, &count);
        return count;
    };
    EXPECT_EQ(Load("C:\\NOWHERE\\LOGO.RES"), "C:\\NOWHERE\\LOGO.RES");
    EXPECT_EQ(std::tuple(view.Picture().Width(), view.Picture().Height(), colours()), std::tuple(4, 2, WORD{3}));
    EXPECT_EQ(view.ImageFileType + "/" + view.ImageInfoText, "RES/BMP");
    // 4 x 2 on a 32-bit display, counted as 24 bits: 40 + 2 rows of 12 bytes.
    EXPECT_EQ(view.ImageFileSize, 64);
    Load("C:\\NOWHERE\\101.RES");
    EXPECT_EQ(std::pair(view.Picture().Width(), colours()), std::pair(2, WORD{16}));
    EXPECT_EQ(Captions(), "");
    Load("C:\\NOWHERE\\MISSING.RES");
    EXPECT_EQ(Captions(), "Information/");
    EXPECT_EQ(TextsOf(dialogs.requests), std::vector<std::string>{"Reading resource file failed"});
}

// A failure is told once, by the library. What a cut file held is kept and
// described; a file that gives nothing leaves no size behind.
TEST_F(PicViewLoader, AFailingReaderIsToldOnceByTheLibraryAndKeepsWhatItRead)
{
    const std::string good = WriteBmpFile("lumo-good.bmp", 5, 5, clRed);
    const std::string cut = WriteBmpFile("lumo-cut.bmp", 8, 8, clRed, 40);
    EXPECT_EQ(Load(cut), UpperAscii(cut));
    EXPECT_EQ(Captions(), "Fehler/");
    EXPECT_EQ(TextsOf(dialogs.requests),
              std::vector<std::string>{"The picture file ends before the picture is complete."});
    EXPECT_EQ(std::pair(view.Picture().Width(), view.ImageWidth), std::pair(8, 8));
    Load(good);
    Load(WriteTextFile("lumo-bad.pcx", "not a picture"));
    EXPECT_EQ(Captions(), "Fehler/Fehler/");
    EXPECT_EQ(std::pair(view.ImageWidth, view.ImageHeight), std::pair(0, 0));
    EXPECT_FALSE(view.GetImageInfo(WriteTextFile("lumo-bad.gif", "GIF89a\x01")));
    EXPECT_EQ(view.ImageFileSize, 7);
    EXPECT_EQ(Captions(), "Fehler/Fehler/Fehler/");
}
