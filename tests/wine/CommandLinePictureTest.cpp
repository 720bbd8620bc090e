#include "PictureTestSupport.h"
#include "PreviewTestSupport.h"
#include "ProcessTestSupport.h"
#include "app/CommandLinePicture.h"
#include "text/PathText.h"

namespace {

std::string CurrentDirectory()
{
    char directory[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, directory);
    return directory;
}

// Picture and non-picture files around the C: drive for one test.
class CommandLineFiles {
public:
    CommandLineFiles() : before_(CurrentDirectory())
    {
        ::CreateDirectoryA("C:\\PICS.OLD", nullptr);
        ::CreateDirectoryA("C:\\lumo-cl", nullptr);
        ::CopyFileA(WriteBmpFile("lumo-cl.bmp", 40, 30, RGB(0, 0, 255)).c_str(), "C:\\lumotest.bmp", FALSE);
        ::CopyFileA(WriteResourceFile("PICVIEW_TIF", "lumo-cl.tif").c_str(), "C:\\lumo-cl\\photo.tiff", FALSE);
        const std::string text = WriteTextFile("lumo-cl-readme", "text");
        for (const char* name : {"C:\\lumo-cl\\README", "C:\\PICS.OLD\\README"})
            ::CopyFileA(text.c_str(), name, FALSE);
    }
    ~CommandLineFiles()
    {
        ::SetCurrentDirectoryA(before_.c_str());
        for (const char* name : {"C:\\lumotest.bmp", "C:\\lumo-cl\\photo.tiff", "C:\\lumo-cl\\README",
                                 "C:\\PICS.OLD\\README"})
            ::DeleteFileA(name);
        ::RemoveDirectoryA("C:\\lumo-cl");
        ::RemoveDirectoryA("C:\\PICS.OLD");
    }

private:
    std::string before_;
};

} // namespace

TEST(CommandLinePicture, OpensOnlyAnExistingSupportedFile)
{
    struct Case {
        const char* argument;
        const char* shownAs;  // none: the start is as without an argument
        const char* loadPath;
    };
    const Case cases[] = {
        {"", nullptr, nullptr},
        {"-U", nullptr, nullptr},
        {"C:\\no-such-picture.bmp", nullptr, nullptr},
        {"C:\\windows", nullptr, nullptr},
        {"C:\\lumo-cl\\README", nullptr, nullptr},
        {"C:\\PICS.OLD\\README", nullptr, nullptr},
        {"c:\\lumo-cl\\photo.tiff", "PHOTO.TIFF", "C:\\LUMO-CL\\PHOTO.TIFF"},
        {"C:\\lumotest.bmp", "LUMOTEST.BMP", "C:\\LUMOTEST.BMP"},
    };
    CommandLineFiles files;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argument);
        ScriptedDialogs dialogs;
        ProgramWindows w;
        CurrentPicturePath.clear();
        StartupPicturePath = "untouched";
        OpenCommandLinePicture(w.form1, c.argument);
        EXPECT_TRUE(dialogs.requests.empty());
        if (!c.shownAs) {
            EXPECT_EQ(StartupPicturePath, "untouched");
            EXPECT_EQ(w.form1.Caption(), "Lumoscope32 - [Noname]");
            EXPECT_EQ(w.form1.Panel5.Caption(), "Picture-Info:");
            continue;
        }
        EXPECT_EQ(StartupPicturePath, c.loadPath) << "one \"\\\" after a drive";
        EXPECT_EQ(CurrentPicturePath, c.loadPath);
        EXPECT_EQ(w.form1.Caption(), std::string("Lumoscope32 - [") + c.shownAs + "]");
        EXPECT_EQ(w.form1.Edit1.Text(), c.shownAs);
        EXPECT_EQ(w.form1.FileListBox1.ItemIndex(), w.form1.FileListBox1.IndexOfName(c.shownAs));
        EXPECT_EQ(w.form1.Label2.Text(), ShortenPath(w.form1.FileListBox1.Directory(), 30));
        EXPECT_EQ(::GetFocus(), w.form1.FileListBox1.Handle());
        EXPECT_NE(BitmapOf(w.form2.PicView1), nullptr);
    }
}

TEST(CommandLinePicture, TheProgramOpensTheFirstArgumentAndIgnoresTheRest)
{
    CommandLineFiles files;
    Process program(ProgramCommand("C:\\lumotest.bmp c:\\lumo-cl\\photo.tiff"));
    HWND main = program.WaitForWindow("TForm1");
    ASSERT_TRUE(main);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(main) == "Lumoscope32 - [LUMOTEST.BMP]"; }, 10000)) << TextOf(main);
    ::PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.Wait(), 0u);
}
