#include "PreviewTestSupport.h"
#include "ProcessTestSupport.h"
#include "app/CommandLinePicture.h"
#include "text/PathText.h"

namespace {

class CommandLinePicture : public ::testing::Test {
protected:
    CommandLinePicture()
    {
        WriteDepthBmp(folder, "photo.bmp", 40, 30, 24);
        WriteDepthBmp(folder, "other.bmp", 40, 30, 24);
        folder.File("README");
    }
    ScratchFolder folder{"lumo-cl"};
};

} // namespace

TEST_F(CommandLinePicture, OpensAnExistingPictureFileInTheBrowserAndThePreview)
{
    for (const std::string& ignored : {std::string(), folder / "missing.bmp", folder / "README"}) {
        ScriptedDialogs dialogs;
        ProgramWindows w;
        OpenCommandLinePicture(w.form1, ignored);
        EXPECT_EQ(w.form1.Caption(), "Lumoscope32 - [Noname]") << ignored;
        EXPECT_TRUE(dialogs.requests.empty()) << ignored;
    }
    ScriptedDialogs dialogs;
    ProgramWindows w;
    CurrentPicturePath.clear();
    std::string argument = folder / "photo.bmp";
    argument[0] = static_cast<char>(argument[0] - 'A' + 'a');
    OpenCommandLinePicture(w.form1, argument);
    EXPECT_TRUE(dialogs.requests.empty());
    EXPECT_EQ(StartupPicturePath, UpperAscii(folder / "photo.bmp"));
    EXPECT_EQ(CurrentPicturePath, StartupPicturePath);
    EXPECT_EQ(w.form1.Caption(), "Lumoscope32 - [PHOTO.BMP]");
    EXPECT_EQ(w.form1.Edit1.Text(), "PHOTO.BMP");
    EXPECT_EQ(w.form1.DriveComboBox1.Drive(), folder.Path()[0]);
    EXPECT_EQ(w.form1.FileListBox1.ItemIndex(), w.form1.FileListBox1.IndexOfName("photo.bmp"));
    EXPECT_EQ(w.form1.Label2.Text(), ShortenPath(w.form1.FileListBox1.Directory(), 30));
    EXPECT_EQ(::GetFocus(), w.form1.FileListBox1.Handle());
    EXPECT_NE(BitmapOf(w.form2.PicView1), nullptr);
}

TEST_F(CommandLinePicture, TheProgramOpensTheFirstArgumentAndIgnoresTheRest)
{
    Process program(ProgramCommand("\"" + folder / "photo.bmp" + "\" \"" + folder / "other.bmp" + "\""));
    HWND main = program.WaitForWindow("TForm1");
    ASSERT_TRUE(main);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(main) == "Lumoscope32 - [PHOTO.BMP]"; }, 10000)) << TextOf(main);
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.Wait(), 0u);
}
