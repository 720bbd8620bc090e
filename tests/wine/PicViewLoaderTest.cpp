#include "PictureTestSupport.h"
#include "text/PathText.h"
#include "framework/Exceptions.h"
#include "framework/Files.h"
#include "framework/Icon.h"
#include "framework/Metafile.h"

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

TEST_F(PicViewLoader, ReadingTheNameRunsTheLoaderAgain)
{
    std::string bmp = WriteBmpFile("lumo-again.bmp", 3, 3, clRed);
    Load(bmp);
    View().Picture().Clear();
    EXPECT_EQ(View().ImageName(), UpperAscii(bmp));
    EXPECT_EQ(View().Picture().Width(), 3);
}

TEST_F(PicViewLoader, AnEmptyOrMissingNameEmptiesThePicture)
{
    for (const std::string& name : {std::string(), TempFile("no-such-picture.bmp")}) {
        TBitmap bitmap = MakeBitmap(4, 4, clRed);
        View().Picture().SetGraphic(&bitmap);
        EXPECT_EQ(Load(name), TPicView::kFileNotFound);
        EXPECT_EQ(View().Picture().Graphic(), nullptr);
    }
    EXPECT_TRUE(dialogs.requests.empty());
}

TEST_F(PicViewLoader, ReadsByTheExtensionKeyAndAnswersTheNameInUpperCase)
{
    std::string tiff = WriteResourceFile("PICVIEW_TIF", "lumo-scan.tiff");
    EXPECT_EQ(Load(tiff), UpperAscii(tiff));
    EXPECT_EQ(View().Picture().Width(), 6);
    EXPECT_EQ(View().ImageWidth, 6);
    EXPECT_EQ(View().ImageFileSize, FileSizeOf(tiff));
    // JPEG has the key .JPE: nothing is read and the picture stays.
    std::string jpeg = WriteTextFile("photo.jpeg", "not read");
    EXPECT_EQ(Load(jpeg), UpperAscii(jpeg));
    EXPECT_EQ(View().Picture().Width(), 6);
    EXPECT_TRUE(dialogs.requests.empty());
}

TEST_F(PicViewLoader, IconsAndMetafilesAreReadByThePictureHolder)
{
    struct Case {
        std::string path;
        const char* type;
        int width;
    };
    for (const Case& c : {Case{WriteResourceFile("PICVIEW_ICO", "lumo-small.ico"), "ICO", 16},
                          Case{WriteWmfFile("lumo-chart.wmf"), "WMF", 200}}) {
        EXPECT_EQ(Load(c.path), TPicView::kNonLibraryImage);
        ASSERT_TRUE(View().GetImageInfo(c.path));
        EXPECT_EQ(View().ImageFileType, c.type);
        EXPECT_EQ(View().ImageInfoText, c.type);
        EXPECT_EQ(View().ImageWidth, c.width);
        EXPECT_EQ(View().ImageBitsPixel, 0);
        EXPECT_EQ(View().ImagePlanes, 0);
        EXPECT_EQ(View().ImageFileSize, FileSizeOf(c.path));
    }
    ::DeleteFileA(TempFile("lumo-chart.wmf").c_str());
    EXPECT_FALSE(View().GetImageInfo(TempFile("lumo-chart.wmf")));
    EXPECT_EQ(View().ImageFileType, "ERR");
    EXPECT_EQ(View().ImageFileSize, -1);
}

TEST_F(PicViewLoader, UnreadableIconsAndMetafilesRaiseTheFrameworkError)
{
    struct Case {
        std::string path;
        std::string message;
    };
    std::string icon = WriteResourceFile("PICVIEW_ICO", "lumo-small.icon");
    std::string brokenIcon = WriteTextFile("lumo-broken.ico", "no icon at all");
    std::string brokenMetafile = WriteTextFile("lumo-broken.wmf", std::string(40, '\x01'));
    for (const Case& c : {Case{icon, "Unbekannte Bilddateierweiterung (.icon)"},
                          Case{brokenIcon, "Ungültiges Symbol in " + brokenIcon},
                          Case{brokenMetafile, "Ungültige Metadatei in " + brokenMetafile}}) {
        try {
            View().SetImageName(c.path);
            ADD_FAILURE() << c.path;
        } catch (const EInvalidGraphic& error) {
            EXPECT_EQ(error.what(), c.message);
        }
    }
}

TEST_F(PicViewLoader, AMetafilesEscapesAreDroppedAndItsDrawingShown)
{
    Load(WriteWmfFile("lumo-escape.wmf", true));
    View().SetStretch(true);
    PixelCanvas canvas(352, 264);
    PrintClient(View(), canvas);
    EXPECT_EQ(canvas.At(176, 132), RGB(255, 0, 0));
}

TEST_F(PicViewLoader, ResourcePicturesComeFromTheProgramItself)
{
    EXPECT_EQ(Load("C:\\NOWHERE\\LOGO.RES"), "C:\\NOWHERE\\LOGO.RES");
    EXPECT_EQ(View().Picture().Width(), 4);
    EXPECT_EQ(View().ImageFileType, "RES");
    EXPECT_EQ(View().ImageInfoText, "BMP");
    // 4 x 2 on a 32-bit display, counted as 24 bits: 40 + 2 rows of 12 bytes.
    EXPECT_EQ(View().ImageFileSize, 64);
    EXPECT_TRUE(dialogs.requests.empty());
    Load("C:\\NOWHERE\\MISSING.RES");
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].text, "Reading resource file failed");
    EXPECT_EQ(dialogs.requests[0].caption, "Information");
}

TEST_F(PicViewLoader, TheReadResolutionReachesTheReaders)
{
    std::string bmp = WriteBmpFile("lumo-true.bmp", 8, 8, RGB(10, 200, 30));
    struct Case {
        TLoadResolution resolution;
        int bits;
    };
    for (const Case& c : {Case{lColor256, 8}, Case{lColor16, 4}, Case{lAutoMatic, 24}}) {
        View().SetImageReadRes(c.resolution);
        Load(bmp);
        ASSERT_NE(View().Picture().HeldBitmap(), nullptr);
        EXPECT_EQ(View().Picture().HeldBitmap()->BitsPerPixel(), c.bits) << c.resolution;
    }
}

TEST_F(PicViewLoader, AFailingReaderShowsTheLibrarysTextThenItsOwn)
{
    std::string cut = WriteBmpFile("lumo-cut.bmp", 8, 8, clRed, 40);
    EXPECT_EQ(Load(cut), UpperAscii(cut));
    ASSERT_EQ(dialogs.requests.size(), 2u);
    EXPECT_EQ(dialogs.requests[0].caption + "/" + dialogs.requests[1].caption, "Fehler/Information");
    EXPECT_EQ(dialogs.requests[1].text, "Reading bmp file failed");
    EXPECT_NE(View().Picture().HeldBitmap(), nullptr) << "what the reader filled stays";
}

TEST_F(PicViewLoader, AGifWithoutReadableInformationStillReportsItsFileSize)
{
    std::string gif = WriteTextFile("lumo-bad.gif", "GIF89a\x01");
    EXPECT_FALSE(View().GetImageInfo(gif));
    EXPECT_EQ(View().ImageFileSize, 7);
    ASSERT_FALSE(dialogs.requests.empty());
    EXPECT_EQ(dialogs.requests.back().caption, "Fehler");
}
