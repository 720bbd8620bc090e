// The start-up: the uninstall question and the picture named on the command line.
#include "PreviewTestSupport.h"
#include "tests/native/picdec/writers/EncodedPictures.h"
#include "tests/native/picdec/writers/TestPictures.h"
#include "app/CommandLinePicture.h"
#include "app/Startup.h"
#include "text/PathText.h"

namespace {

// Closes the main window as soon as the message loop runs.
void CALLBACK CloseMainWindow(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (HWND main = Application().MainWindow()) {
        ::KillTimer(nullptr, timer);
        ::PostMessageA(main, WM_CLOSE, 0, 0);
    }
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteBmp(folder, "photo.bmp", 40, 30);
        folder.File("README");
        using namespace picdec::samples;
        const File jpeg = JpegFile(PatternPicture(16, 8));
        folder.File("photo.jpeg", std::string(jpeg.begin(), jpeg.end()));
        const File png = PngFile({.width = 1, .height = 1, .rows = {{10, 20, 30}}});
        folder.File("clip.Png", std::string(png.begin(), png.end()));
        folder.File("clip.avi", std::string(png.begin(), png.end()));
        folder.File("png.jpg", std::string(png.begin(), png.end()));
        const File webp = WebpFile({.width = 2, .height = 1, .lossless = true, .rows = {{10, 20, 30, 40, 50, 60}}});
        folder.File("photo.webp", std::string(webp.begin(), webp.end()));
        folder.File("webp.jpg", std::string(webp.begin(), webp.end()));
    }
    ScratchFolder folder{"lumo-start"};
};

} // namespace

// "-U" first asks: Yes uninstalls (failing here, without LMUNINST.EXE) instead
// of starting, No starts, unless the program runs elevated (as the Start
// menu's uninstall starts it): then it ends. "-REGISTER" ends without a
// window. Only an existing picture file named first opens, a ".jpeg",
// ".png" or ".webp" too (and a picture under another picture's name), but no
// ".avi" (whose first four characters a picture's are).
TEST_F(StartupTest, AsksTheUninstallQuestionOnlyForTheSwitchAndOpensOnlyAPictureNamedFirst)
{
    const std::string noname = "Lumoscope32 - [Noname]";
    struct Case {
        std::vector<std::string> arguments;
        int answer;
        std::string title;
        std::size_t messages;
        bool elevated = false;
    };
    const Case cases[] = {
        {{"-u", "ignored"}, mrYes, "", 2},
        {{"-U"}, mrNo, noname, 1},
        {{"-U"}, mrNo, "", 1, true},
        {{"-register"}, mrOk, "", 0, true},
        {{}, mrOk, noname, 0, true},
        {{folder / "photo.bmp", "-U"}, mrOk, "Lumoscope32 - [PHOTO.BMP]", 0},
        {{folder / "missing.bmp"}, mrOk, noname, 0},
        {{folder / "README"}, mrOk, noname, 0},
        {{folder / "photo.jpeg"}, mrOk, "Lumoscope32 - [PHOTO.JPEG]", 0},
        {{folder / "clip.Png"}, mrOk, "Lumoscope32 - [CLIP.PNG]", 0},
        {{folder / "clip.avi"}, mrOk, noname, 0},
        {{folder / "photo.webp"}, mrOk, "Lumoscope32 - [PHOTO.WEBP]", 0},
        {{folder / "webp.jpg"}, mrOk, "Lumoscope32 - [WEBP.JPG]", 0},
        {{folder / "png.jpg"}, mrOk, "Lumoscope32 - [PNG.JPG]", 0},
    };
    for (const Case& c : cases) {
        std::vector<std::string> commandLine{"LUMSC32.EXE"};
        commandLine.insert(commandLine.end(), c.arguments.begin(), c.arguments.end());
        SCOPED_TRACE(commandLine.back() + " answered " + std::to_string(c.answer) + (c.elevated ? ", elevated" : ""));
        ScriptedDialogs dialogs;
        dialogs.Answer(c.answer);
        Application().SetTitle("");  // the main window's title, while it has none
        UINT_PTR closer = ::SetTimer(nullptr, 0, 30, CloseMainWindow);
        EXPECT_EQ(RunProgram(commandLine, c.elevated), 0);
        ::KillTimer(nullptr, closer);
        EXPECT_EQ(Application().Title(), c.title);
        ASSERT_EQ(dialogs.requests.size(), c.messages);
        if (c.messages == 0)
            continue;
        ExpectMessage(dialogs.requests[0],
                      "Lumoscope -32 is going to delete itself from your system.\rDo you want to proceed the "
                      "Uninstall process ?",
                      mtConfirmation, mbYes | mbNo);
        if (c.messages == 2) {
            EXPECT_EQ(dialogs.requests[1].type, mtError);
        }
    }
}

TEST_F(StartupTest, APictureNamedOnTheCommandLineIsSelectedAndFocusedInTheBrowser)
{
    ProgramWindows w;
    OpenCommandLinePicture(w.form1, folder / "photo.bmp");
    EXPECT_EQ(w.form1.Edit1.Text(), "PHOTO.BMP");
    EXPECT_EQ(w.form1.FileListBox1.ItemIndex(), w.form1.FileListBox1.IndexOfName("photo.bmp"));
    EXPECT_EQ(w.form1.Label2.Text(), ShortenPath(w.form1.FileListBox1.Directory(), 30));
    EXPECT_EQ(::GetFocus(), w.form1.FileListBox1.Handle());
}

// Explorer names a picture on a share without a drive letter by its network
// path, and a long-path prefix may come first. The picture opens and the
// list shows its folder.
TEST_F(StartupTest, APictureNamedByANetworkOrLongPathOpensInItsFolder)
{
    const std::string shared = "lumo-start-" + std::to_string(::GetCurrentProcessId()) + ".bmp";
    ASSERT_TRUE(::CopyFileA((folder / "photo.bmp").c_str(), ("C:\\lumo-share\\" + shared).c_str(), FALSE));
    for (auto [argument, directory, name] :
         {std::tuple{"\\\\lumo-server\\share\\" + shared, std::string("\\\\lumo-server\\share"), shared},
          {"\\\\?\\" + (folder / "photo.bmp"), folder.Path(), std::string("photo.bmp")}}) {
        SCOPED_TRACE(argument);
        ScriptedDialogs dialogs;
        ProgramWindows w;
        OpenCommandLinePicture(w.form1, argument);
        EXPECT_EQ(w.form1.Caption(), "Lumoscope32 - [" + UpperAscii(name) + "]");
        EXPECT_EQ(w.form1.FileListBox1.Directory(), directory);
        EXPECT_EQ(w.form1.FileListBox1.ItemIndex(), w.form1.FileListBox1.IndexOfName(name));
        EXPECT_EQ(TextsOf(dialogs.requests), std::vector<std::string>{});
    }
    ::DeleteFileA(("C:\\lumo-share\\" + shared).c_str());
}
