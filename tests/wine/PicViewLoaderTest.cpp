#include "PictureTestSupport.h"
#include "text/PathText.h"
#include "framework/Exceptions.h"
#include "framework/Files.h"

namespace {

class PicViewLoader : public ::testing::Test {
protected:
    TPicView& View() { return host.View; }
    std::string Load(const std::string& name)
    {
        View().SetImageName(name);
        return View().LoadedName();
    }

    PicViewHost host;
    ScriptedDialogs dialogs;
};

} // namespace

TEST_F(PicViewLoader, AMissingFileEmptiesThePicture)
{
    TBitmap bitmap = MakeBitmap(4, 4, clRed);
    View().Picture().SetGraphic(&bitmap);
    EXPECT_EQ(Load(TempFile("no-such-picture.bmp")), TPicView::kFileNotFound);
    EXPECT_EQ(View().Picture().Graphic(), nullptr);
    EXPECT_TRUE(dialogs.requests.empty());
}

TEST_F(PicViewLoader, ReadsByTheExtensionKeyAndAnswersTheNameInUpperCaseAgainOnEachRead)
{
    const std::string tiff = WriteResourceFile("PICVIEW_TIF", "lumo-scan.tiff");
    EXPECT_EQ(Load(tiff), UpperAscii(tiff));
    EXPECT_EQ(std::tuple(View().Picture().Width(), View().ImageWidth, View().ImageFileSize),
              std::tuple(6, 6, FileSizeOf(tiff)));
    View().Picture().Clear();
    EXPECT_EQ(View().ImageName(), UpperAscii(tiff));
    EXPECT_EQ(View().Picture().Width(), 6) << "reading the name runs the loader again";
    EXPECT_TRUE(dialogs.requests.empty());
}

TEST_F(PicViewLoader, MetafilesAreReadByThePictureHolderAndShownWithoutTheirEscapes)
{
    const std::string wmf = WriteWmfFile("lumo-chart.wmf", true);
    EXPECT_EQ(Load(wmf), TPicView::kNonLibraryImage);
    EXPECT_EQ(View().ImageFileType + "/" + View().ImageInfoText, "WMF/WMF");
    EXPECT_EQ(std::tuple(View().ImageWidth, View().ImageBitsPixel, View().ImagePlanes, View().ImageFileSize),
              std::tuple(200, 0, 0, FileSizeOf(wmf)));
    View().SetStretch(true);
    EXPECT_EQ(PrintedView(View()).At(176, 132), RGB(255, 0, 0));
    ::DeleteFileA(wmf.c_str());
    EXPECT_FALSE(View().GetImageInfo(wmf));
    EXPECT_EQ(View().ImageFileType, "ERR");
    EXPECT_EQ(View().ImageFileSize, -1);
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
            View().SetImageName(path);
            ADD_FAILURE() << path;
        } catch (const EInvalidGraphic& error) {
            EXPECT_EQ(error.what(), message);
        }
    }
}

TEST_F(PicViewLoader, ResourcePicturesComeFromTheProgramItself)
{
    EXPECT_EQ(Load("C:\\NOWHERE\\LOGO.RES"), "C:\\NOWHERE\\LOGO.RES");
    EXPECT_EQ(View().Picture().Width(), 4);
    EXPECT_EQ(View().ImageFileType + "/" + View().ImageInfoText, "RES/BMP");
    // 4 x 2 on a 32-bit display, counted as 24 bits: 40 + 2 rows of 12 bytes.
    EXPECT_EQ(View().ImageFileSize, 64);
    EXPECT_TRUE(dialogs.requests.empty());
    Load("C:\\NOWHERE\\MISSING.RES");
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].text, "Reading resource file failed");
    EXPECT_EQ(dialogs.requests[0].caption, "Information");
}

TEST_F(PicViewLoader, AFailingReaderShowsTheLibrarysTextThenItsOwnAndKeepsWhatItRead)
{
    const std::string cut = WriteBmpFile("lumo-cut.bmp", 8, 8, clRed, 40);
    EXPECT_EQ(Load(cut), UpperAscii(cut));
    ASSERT_EQ(dialogs.requests.size(), 2u);
    EXPECT_EQ(dialogs.requests[0].caption + "/" + dialogs.requests[1].caption, "Fehler/Information");
    EXPECT_EQ(dialogs.requests[1].text, "Reading bmp file failed");
    EXPECT_EQ(View().Picture().Width(), 8);
}

TEST_F(PicViewLoader, AGifWithoutReadableInformationStillReportsItsFileSize)
{
    EXPECT_FALSE(View().GetImageInfo(WriteTextFile("lumo-bad.gif", "GIF89a\x01")));
    EXPECT_EQ(View().ImageFileSize, 7);
    ASSERT_FALSE(dialogs.requests.empty());
    EXPECT_EQ(dialogs.requests.back().caption, "Fehler");
}
