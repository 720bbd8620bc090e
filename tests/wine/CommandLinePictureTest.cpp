#include <gtest/gtest.h>

#include <fstream>

#include "TestSupport.h"
#include "app/CommandLinePicture.h"
#include "app/PathText.h"
#include "app/ProgramValues.h"
#include "app/TForm1.h"

namespace {

class PictureFile {
public:
    explicit PictureFile(std::string path) : path_(std::move(path)) { std::ofstream(path_) << "BM"; }
    ~PictureFile() { ::DeleteFileA(path_.c_str()); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

std::string CurrentDirectory()
{
    char directory[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, directory);
    return directory;
}

} // namespace

TEST(CommandLinePicture, MovesTheBrowserToThePictureInADriveRoot)
{
    std::string before = CurrentDirectory();
    PictureFile picture("C:\\lumotest.bmp");
    {
        TForm1 form;
        StartupPicturePath.clear();
        OpenCommandLinePicture(form, picture.Path());
        EXPECT_EQ(StartupPicturePath, "C:\\LUMOTEST.BMP");
        EXPECT_EQ(form.FileListBox1.Directory(), "C:\\");
        EXPECT_EQ(form.DriveComboBox1.Drive(), 'C');
        EXPECT_EQ(form.Label2.Text(), "C:\\");
        EXPECT_EQ(form.Edit1.Text(), "LUMOTEST.BMP");
        EXPECT_EQ(form.FileListBox1.ItemIndex(), form.FileListBox1.IndexOfName("lumotest.bmp"));
        EXPECT_EQ(::GetFocus(), form.FileListBox1.Handle());
    }
    ::SetCurrentDirectoryA(before.c_str());
}

TEST(CommandLinePicture, IgnoresMissingUnsupportedAndDirectoryArguments)
{
    PictureFile text("C:\\lumotest.txt");
    TForm1 form;
    std::string directory = form.FileListBox1.Directory();
    for (const char* argument : {"", "C:\\no-such-picture.bmp", "C:\\lumotest.txt", "C:\\windows", "-U"}) {
        StartupPicturePath = "untouched";
        OpenCommandLinePicture(form, argument);
        EXPECT_EQ(StartupPicturePath, "untouched") << argument;
        EXPECT_EQ(form.FileListBox1.Directory(), directory) << argument;
    }
}
