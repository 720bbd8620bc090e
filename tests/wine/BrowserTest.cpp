// The main window's browser panel. Names outside ASCII go through it as UTF-8
// from end to end.
#include "TestSupport.h"
#include "app/ProgramValues.h"
#include "app/TForm1.h"
#include "text/PathText.h"

namespace {

class BrowserTest : public ::testing::Test {
protected:
    void Browse(const std::string& path)
    {
        list.SetFileName(path);
        PumpMessages();
    }
    // Files are deleted and renamed by the listed directory's path, wherever the current directory is.
    void LeaveTheListedDirectory() { ::SetCurrentDirectoryA("C:\\"); }
    // A typed character alone, without its key release: the change of the text itself searches.
    void Type(char c) { ::SendMessageA(form.Edit1.Handle(), WM_CHAR, static_cast<unsigned char>(c), 1); }
    void Enter(HWND window) { ::SendMessageA(window, WM_CHAR, '\r', 1); }
    void ListKey(WORD key, int answer, const std::string& value = {})
    {
        dialogs.Answer(answer, value);
        PressKey(list.Handle(), key);
    }
    void Select(const std::string& name) { list.SetItemIndex(list.IndexOfName(name)); }
    std::string Selected() const
    {
        return list.ItemIndex() < 0 ? "" : list.Items()[static_cast<std::size_t>(list.ItemIndex())].text;
    }

    ScratchFolder folder{"lumo-ünï"};
    ScratchDrive drive{'R', folder.Path(), DRIVE_FIXED};
    ScriptedDialogs dialogs;
    TForm1 form;
    TFileListBox& list = form.FileListBox1;
};

} // namespace

TEST_F(BrowserTest, TheNameFieldSearchesWhatTheUserTypesButNotWhatTheProgramWrites)
{
    folder.Fill({"ALPHA.BMP", "BETA.GIF", "BRAVO.JPG"});
    form.DriveComboBox1.SetDrive('R');
    ASSERT_EQ(list.Directory(), "R:\\");
    Type('b');
    Type('r');
    EXPECT_EQ(form.Edit1.Text(), "BR");
    EXPECT_EQ(Selected(), "BRAVO.JPG");
    form.Edit1.SetText("A");
    EXPECT_EQ(Selected(), "BRAVO.JPG");
    ::SendMessageA(form.Edit1.Handle(), WM_KEYUP, VK_END, 0xC0000001);
    EXPECT_EQ(Selected(), "ALPHA.BMP") << "a key released in the field searches";
}

TEST_F(BrowserTest, DelAsksThenDeletesAFileKeepingTheSelectionIndexOrWarns)
{
    folder.Fill({"sub\\", "a.bmp", "b.bmp", "été.bmp"});
    Browse(folder.Path());
    LeaveTheListedDirectory();
    for (const char* entry : {"[sub]", ""}) {
        Select(entry);
        PressKey(list.Handle(), VK_DELETE);
        PressKey(list.Handle(), VK_INSERT);
    }
    EXPECT_TRUE(dialogs.requests.empty()) << "Del and Ins leave a directory entry and an empty selection alone";
    Select("a.bmp");
    ListKey(VK_DELETE, mrNo);
    ExpectMessage(dialogs.requests.at(0), "Delete File a.bmp ?", mtConfirmation, mbYes | mbNo);
    EXPECT_EQ(dialogs.requests[0].beep, dbQuestion);
    EXPECT_TRUE(Exists(folder / "a.bmp"));
    ListKey(VK_DELETE, mrYes);
    EXPECT_FALSE(Exists(folder / "a.bmp"));
    EXPECT_EQ(Selected(), "b.bmp") << "the same index";
    Select("été.bmp");
    ListKey(VK_DELETE, mrYes);
    EXPECT_EQ(Selected(), "b.bmp") << "the new last entry";
    // A file that cannot be deleted: a warning, and the list stays.
    HANDLE open = ::CreateFileA((folder / "b.bmp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ListKey(VK_DELETE, mrYes);
    ::CloseHandle(open);
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"Delete File a.bmp ?", "Delete File a.bmp ?",
                                                         "Delete File été.bmp ?", "Delete File b.bmp ?",
                                                         "Error occured while deleting file !"}));
    EXPECT_EQ(Selected(), "b.bmp");
}

TEST_F(BrowserTest, InsRenamesTheFileOrWarnsAndKeepsBoth)
{
    folder.Fill({"a.bmp", "日本.jpg"});
    Browse(folder.Path());
    LeaveTheListedDirectory();
    Select("日本.jpg");
    ListKey(VK_INSERT, mrOk, "a.bmp");
    ListKey(VK_INSERT, mrCancel);
    ASSERT_EQ(dialogs.requests.size(), 3u) << "Cancel renames nothing";
    const DialogRequest& ask = dialogs.requests[0];
    EXPECT_EQ((std::vector<std::string>{ask.caption, ask.text, ask.value}),
              (std::vector<std::string>{"Rename File", "New Name:", "日本.jpg"}));
    EXPECT_EQ(ask.kind, DialogRequest::Input);
    ExpectMessage(dialogs.requests[1], "Error occured while renaming file !", mtWarning, mbOK);
    EXPECT_TRUE(Exists(folder / "日本.jpg") && Exists(folder / "a.bmp"));
    ListKey(VK_INSERT, mrOk, "東京 ünï.jpg");
    EXPECT_FALSE(Exists(folder / "日本.jpg"));
    EXPECT_TRUE(Exists(folder / "東京 ünï.jpg"));
    EXPECT_EQ(Selected(), "東京 ünï.jpg") << "the same index";
}

TEST_F(BrowserTest, AChosenDriveIsListedOrWarnedAboutAndLeftForTheLastGoodOne)
{
    ScratchDrive floppy('A', "", DRIVE_REMOVABLE);
    const HWND box = form.DriveComboBox1.Handle();
    ::SendMessageA(box, CB_SETCURSEL, 1, 0);  // C, R, Z
    ::SendMessageA(::GetParent(box), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(box), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(box));
    EXPECT_EQ(list.Directory(), "R:\\");
    form.DriveComboBox1.SetDrive('A');
    form.DriveComboBox1.SetDrive('Q');
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"Access Error on Drive A: !", "Access Error on Drive Q: !"}));
    ExpectMessage(dialogs.requests.at(0), "Access Error on Drive A: !", mtWarning, mbOK);
    EXPECT_EQ(dialogs.requests[0].beep, dbWarning);
    EXPECT_EQ(form.DriveComboBox1.Drive(), 'R');
    EXPECT_EQ(list.Directory(), "R:\\");
    EXPECT_EQ(form.Label2.Text(), "R:\\");
    EXPECT_EQ(form.LastGoodDrive, 'R');
}

TEST_F(BrowserTest, EnterWalksFromTheDriveBoxToTheListEnteringTheSelectedDirectory)
{
    const std::string name = "Beach WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW";
    folder.Folder(name);
    Browse(folder.Path());
    Enter(form.DriveComboBox1.Handle());
    EXPECT_EQ(::GetFocus(), form.Edit1.Handle());
    Select("[" + name + "]");
    Enter(form.Edit1.Handle());
    EXPECT_EQ(list.Directory(), folder / name);
    EXPECT_EQ(::GetFocus(), list.Handle());
    EXPECT_EQ(form.Edit1.Text(), "*.*");
    // The path line stays one line: wrapped at the blank, it would show only "...\Beach", centred.
    ASSERT_EQ(form.Label2.Text(), ShortenPath(folder / name, 30));
    PixelCanvas line(220, 13);
    ::SendMessageA(form.Label2.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(line.dc()), PRF_CLIENT);
    EXPECT_GT(line.CountOther(clBtnFace(), {0, 0, 40, 10}), 10);
    EXPECT_GT(line.CountOther(clBtnFace(), {180, 0, 220, 10}), 10);
}

TEST_F(BrowserTest, OpeningAnEntryEntersADirectoryOrLoadsAPictureButNothingElse)
{
    folder.Fill({"Fotos été\\", "Fotos été\\日本.jpg", "Fotos été\\README.TXT"});
    Browse(folder / "Fotos été\\日本.jpg");
    EXPECT_EQ(form.Edit1.Text(), "日本.JPG");
    CurrentPicturePath.clear();
    Enter(list.Handle());
    ASSERT_FALSE(dialogs.requests.empty()) << "a load was tried";
    EXPECT_EQ(dialogs.requests.back().text, "日本.JPG is not a valid Bitmapfile !");
    const std::size_t shown = dialogs.requests.size();
    Select("README.TXT");
    Enter(list.Handle());
    EXPECT_EQ(list.Directory(), folder / "Fotos été");

    Select("[..]");
    const int height = list.ItemHeight();
    ::SendMessageA(list.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(30, list.ItemIndex() * height + height / 2));
    EXPECT_EQ(list.Directory(), folder.Path());
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(form.Label2.Text(), ShortenPath(folder.Path(), 30));
    EXPECT_EQ(dialogs.requests.size(), shown) << "nothing else was loaded";
}
