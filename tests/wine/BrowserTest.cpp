#include "TestSupport.h"
#include "text/PathText.h"
#include "app/ProgramValues.h"
#include "app/TForm1.h"

namespace {

class BrowserTest : public ::testing::Test {
protected:
    void Browse(const std::string& directory)
    {
        form.FileListBox1.SetFileName(directory);
        PumpMessages();
    }

    // A typed character alone, without its key release: the change of the
    // text itself searches.
    void Type(char c) { ::SendMessageA(form.Edit1.Handle(), WM_CHAR, static_cast<unsigned char>(c), 1); }

    // Del or Ins on the list, answered from the script.
    void ListKey(WORD key, int answer, const std::string& value = {})
    {
        dialogs.Answer(answer, value);
        PressKey(form.FileListBox1.Handle(), key);
    }
    void Enter(HWND window) { ::SendMessageA(window, WM_CHAR, '\r', 1); }

    void Select(const std::string& name) { form.FileListBox1.SetItemIndex(form.FileListBox1.IndexOfName(name)); }
    int IndexOf(const std::string& name) const { return form.FileListBox1.IndexOfName(name); }

    ScratchFolder folder{"lumo-browser"};
    ScriptedDialogs dialogs;
    TForm1 form;
};

} // namespace

TEST_F(BrowserTest, TypeAheadWalksTheRootListAsTheUserTypes)
{
    folder.Fill({"ALPHA.BMP", "BETA.GIF", "BRAVO.JPG", "DELTA.PCX"});
    ScratchDrive drive('R', folder.Path(), DRIVE_FIXED);
    form.DriveComboBox1.SetDrive('R');
    ASSERT_EQ(form.FileListBox1.Directory(), "R:\\");
    EXPECT_EQ(form.Edit1.Text(), "*.*");

    Type('b');
    EXPECT_EQ(form.Edit1.Text(), "B");
    EXPECT_EQ(form.FileListBox1.ItemIndex(), 1);
    Type('r');
    EXPECT_EQ(form.FileListBox1.ItemIndex(), 2);
    Type('x');
    EXPECT_EQ(form.FileListBox1.ItemIndex(), 3) << "one past the run: DELTA.PCX";
    EXPECT_EQ(form.Edit1.Text(), "BRX") << "the search leaves the text alone";

    ::SendMessageA(form.Edit1.Handle(), EM_SETSEL, 0, -1);
    Type('\b');
    EXPECT_EQ(form.Edit1.Text(), "");
    EXPECT_EQ(form.FileListBox1.ItemIndex(), 0) << "an empty field selects the first entry";
}

TEST_F(BrowserTest, TextWrittenByTheListNeverSearches)
{
    folder.Fill({"ALPHA.BMP", "BETA.GIF"});
    Browse(folder.Path());
    EXPECT_EQ(form.Edit1.Text(), "*.*");
    EXPECT_EQ(form.FileListBox1.ItemIndex(), -1) << "the mask written after the read selects nothing";
    Select("BETA.GIF");
    form.Edit1.SetText("A");
    EXPECT_EQ(form.FileListBox1.ItemIndex(), IndexOf("BETA.GIF"));
    EXPECT_FALSE(form.Edit1Typing);
    ::SendMessageA(form.Edit1.Handle(), WM_KEYUP, VK_END, 0xC0000001);
    EXPECT_EQ(form.FileListBox1.ItemIndex(), IndexOf("ALPHA.BMP")) << "a key released in the field searches";
}

TEST_F(BrowserTest, DeleteAsksAndKeepsTheSelectionIndex)
{
    folder.Fill({"a.bmp", "b.bmp", "c.bmp"});
    Browse(folder.Path());
    Select("a.bmp");
    ListKey(VK_DELETE, mrNo);
    ASSERT_EQ(dialogs.requests.size(), 1u);
    ExpectMessage(dialogs.requests[0], "Delete File a.bmp ?", mtConfirmation, mbYes | mbNo);
    EXPECT_TRUE(Exists(folder / "a.bmp"));

    const int index = IndexOf("a.bmp");
    ListKey(VK_DELETE, mrYes);
    EXPECT_FALSE(Exists(folder / "a.bmp"));
    EXPECT_EQ(IndexOf("a.bmp"), -1);
    EXPECT_EQ(form.FileListBox1.ItemIndex(), index);
    EXPECT_EQ(form.FileListBox1.Items()[static_cast<std::size_t>(index)].text, "b.bmp");

    Select("c.bmp");
    ListKey(VK_DELETE, mrYes);
    EXPECT_EQ(form.FileListBox1.ItemIndex(), IndexOf("b.bmp")) << "the new last entry";

    // A file that cannot be deleted: a warning, and the list stays.
    HANDLE open = ::CreateFileA((folder / "b.bmp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    dialogs.requests.clear();
    ListKey(VK_DELETE, mrYes);
    ::CloseHandle(open);
    EXPECT_EQ(dialogs.Texts(),
              (std::vector<std::string>{"Delete File b.bmp ?", "Error occured while deleting file !"}));
    EXPECT_EQ(form.FileListBox1.ItemIndex(), IndexOf("b.bmp"));
}

TEST_F(BrowserTest, DelAndInsOnADirectoryEntryOrNoSelectionDoNothing)
{
    folder.Fill({"sub\\", "a.bmp"});
    Browse(folder.Path());
    for (const char* entry : {"[sub]", "[..]"}) {
        Select(entry);
        PressKey(form.FileListBox1.Handle(), VK_DELETE);
        PressKey(form.FileListBox1.Handle(), VK_INSERT);
    }
    form.FileListBox1.SetItemIndex(-1);
    PressKey(form.FileListBox1.Handle(), VK_DELETE);
    EXPECT_TRUE(dialogs.requests.empty());
    EXPECT_TRUE(Exists(folder / "sub"));
}

TEST_F(BrowserTest, RenameMovesTheFileOrWarnsAndKeepsBoth)
{
    folder.File("a.bmp", "first");
    folder.File("b.bmp", "second");
    Browse(folder.Path());
    Select("a.bmp");
    ListKey(VK_INSERT, mrOk, "b.bmp");
    ASSERT_EQ(dialogs.requests.size(), 2u);
    EXPECT_EQ(dialogs.requests[0].kind, DialogRequest::Input);
    EXPECT_EQ(dialogs.requests[0].caption, "Rename File");
    EXPECT_EQ(dialogs.requests[0].text, "New Name:");
    EXPECT_EQ(dialogs.requests[0].value, "a.bmp");
    EXPECT_EQ(dialogs.requests[1].text, "Error occured while renaming file !");
    EXPECT_EQ(dialogs.requests[1].type, mtWarning);
    EXPECT_TRUE(Exists(folder / "a.bmp"));
    EXPECT_TRUE(Exists(folder / "b.bmp"));

    ListKey(VK_INSERT, mrCancel);
    EXPECT_TRUE(Exists(folder / "a.bmp"));

    const int index = form.FileListBox1.ItemIndex();
    ListKey(VK_INSERT, mrOk, "z.bmp");
    EXPECT_FALSE(Exists(folder / "a.bmp"));
    EXPECT_TRUE(Exists(folder / "z.bmp"));
    EXPECT_GE(IndexOf("z.bmp"), 0);
    EXPECT_EQ(form.FileListBox1.ItemIndex(), index);
}

TEST_F(BrowserTest, DeleteAndRenameActInTheListedDirectoryWhereverTheCurrentDirectoryIs)
{
    folder.Fill({"listed\\", "listed\\x.bmp", "listed\\z.bmp", "elsewhere\\", "elsewhere\\x.bmp",
                 "elsewhere\\z.bmp"});
    Browse(folder / "listed");
    Select("x.bmp");
    ::SetCurrentDirectoryA((folder / "elsewhere").c_str());
    ListKey(VK_DELETE, mrYes);
    EXPECT_FALSE(Exists(folder / "listed\\x.bmp"));
    EXPECT_TRUE(Exists(folder / "elsewhere\\x.bmp"));

    Select("z.bmp");
    ::SetCurrentDirectoryA((folder / "elsewhere").c_str());
    ListKey(VK_INSERT, mrOk, "y.bmp");
    EXPECT_TRUE(Exists(folder / "listed\\y.bmp"));
    EXPECT_TRUE(Exists(folder / "elsewhere\\z.bmp"));
    EXPECT_FALSE(Exists(folder / "elsewhere\\y.bmp"));
}

TEST_F(BrowserTest, AnUnreadableDriveWarnsAndReturnsToTheLastGoodDrive)
{
    ScratchDrive floppy('A', "", DRIVE_REMOVABLE);
    ScratchDrive fixed('R', folder.Path(), DRIVE_FIXED);
    form.DriveComboBox1.SetDrive('R');
    ASSERT_EQ(form.LastGoodDrive, 'R');
    form.DriveComboBox1.SetDrive('A');
    ASSERT_EQ(dialogs.requests.size(), 1u);
    ExpectMessage(dialogs.requests[0], "Access Error on Drive A: !", mtWarning, mbOK);
    EXPECT_EQ(form.DriveComboBox1.Drive(), 'R');
    EXPECT_EQ(form.FileListBox1.Directory(), "R:\\");
    EXPECT_EQ(form.Label2.Text(), "R:\\");
    EXPECT_EQ(form.LastGoodDrive, 'R');
}

TEST_F(BrowserTest, EnterMovesFromDriveBoxToNameFieldToList)
{
    folder.Folder("Holiday");
    Browse(folder.Path());
    Enter(form.DriveComboBox1.Handle());
    EXPECT_EQ(::GetFocus(), form.Edit1.Handle());
    Select("[Holiday]");
    Enter(form.Edit1.Handle());
    EXPECT_EQ(form.FileListBox1.Directory(), folder / "Holiday") << "Enter opens the selected entry";
    EXPECT_EQ(::GetFocus(), form.FileListBox1.Handle());
    EXPECT_EQ(form.Edit1.Text(), "*.*");
}

TEST_F(BrowserTest, DoubleClickEntersDirectoriesAndOpensOnlyPictures)
{
    folder.Fill({"Holiday\\", "Holiday\\beach.jpg", "Holiday\\README.TXT"});
    Browse(folder / "Holiday");
    CurrentPicturePath.clear();

    Select("README.TXT");
    Enter(form.FileListBox1.Handle());
    EXPECT_EQ(CurrentPicturePath, "");
    EXPECT_EQ(form.FileListBox1.Directory(), folder / "Holiday");

    EXPECT_TRUE(dialogs.requests.empty());
    Select("beach.jpg");
    Enter(form.FileListBox1.Handle());
    ASSERT_FALSE(dialogs.requests.empty()) << "a picture is loaded (this one is not a valid one)";
    EXPECT_EQ(dialogs.requests.back().text, "BEACH.JPG is not a valid Bitmapfile !");
    dialogs.requests.clear();

    Select("[..]");
    const int height = form.FileListBox1.ItemHeight();
    const int y = form.FileListBox1.ItemIndex() * height + height / 2;
    ::SendMessageA(form.FileListBox1.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(30, y));
    EXPECT_EQ(form.FileListBox1.Directory(), folder.Path());
    EXPECT_EQ(form.FileListBox1.ItemIndex(), -1);
    EXPECT_EQ(form.Label2.Text(), ShortenPath(folder.Path(), 30));
    EXPECT_TRUE(dialogs.requests.empty());
}

TEST_F(BrowserTest, ThePathLineStaysOneLineWhenThePathHasBlanks)
{
    const std::string name = "Beach WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW";
    folder.Folder(name);
    Browse(folder.Path());
    Select("[" + name + "]");
    Enter(form.FileListBox1.Handle());
    ASSERT_EQ(form.Label2.Text(), ShortenPath(folder / name, 30));
    PixelCanvas line(220, 13);
    ::SendMessageA(form.Label2.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(line.dc()), PRF_CLIENT);
    // Wrapped at the blank, the label would show only "...\Beach", centred.
    EXPECT_GT(line.CountOther(clBtnFace(), {0, 0, 40, 10}), 10);
    EXPECT_GT(line.CountOther(clBtnFace(), {180, 0, 220, 10}), 10);
}
