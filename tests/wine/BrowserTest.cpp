// The main window's browser panel: drive box, name field and file list.
// Names outside ASCII go through it as UTF-8 from end to end.
#include "TestSupport.h"

#include <shellapi.h>

#include "app/ProgramValues.h"
#include "app/TForm1.h"
#include "framework/Exceptions.h"
#include "framework/Panel.h"
#include "framework/Screen.h"
#include "text/PathText.h"

namespace {

using Names = std::vector<std::string>;

class BrowserTest : public ::testing::Test {
protected:
    void Enter(HWND window) { ::SendMessageA(window, WM_CHAR, '\r', 1); }
    void ListKey(WORD key, int answer, const std::string& value = {})
    {
        dialogs.Answer(answer, value);
        PressKey(list.Handle(), key);
    }
    void Select(const std::string& name) { list.SetItemIndex(list.IndexOfName(name)); }
    Names Texts() const { return TextsOf(list.Items()); }
    std::string Selected() const { return Texts().at(static_cast<std::size_t>(list.ItemIndex())); }

    ScratchFolder folder{"lumo-ünï"};
    ScratchDrive drive{'R', folder.Path()};
    ScriptedDialogs dialogs;
    TForm1 form;
    TFileListBox& list = form.FileListBox1;
};

} // namespace

// A chosen drive is listed, or warned about and left for the last good one;
// then the name field searches what the user types but not what the program writes.
TEST_F(BrowserTest, AChosenDriveIsListedOrWarnedAboutAndTheNameFieldSearchesIt)
{
    folder.Fill({"ALPHA.BMP", "BETA.GIF", "BRAVO.JPG"});
    ScratchDrive floppy('A');
    const HWND box = form.DriveComboBox1.Handle();
    ::SendMessageA(box, CB_SETCURSEL, 1, 0);  // C, R, Z: the floppy came after the box
    ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(box), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(box));
    form.DriveComboBox1.SetDrive('A');
    ASSERT_EQ(dialogs.requests.size(), 1u);
    ExpectMessage(dialogs.requests[0], "Access Error on Drive A: !", mtWarning, mbOK);
    EXPECT_EQ(dialogs.requests[0].beep, dbWarning);
    EXPECT_EQ(form.DriveComboBox1.Drive(), 'R');
    EXPECT_EQ(list.Directory(), "R:\\");
    EXPECT_EQ(form.Label2.Text(), "R:\\");
    EXPECT_EQ(form.LastGoodDrive, 'R');

    // Typed characters alone, without their key release: the change of the text itself searches.
    for (char typed : {'b', 'r'})
        ::SendMessageA(form.Edit1.Handle(), WM_CHAR, static_cast<WPARAM>(typed), 1);
    EXPECT_EQ(form.Edit1.Text(), "BR");
    EXPECT_EQ(Selected(), "BRAVO.JPG");
    form.Edit1.SetText("A");
    EXPECT_EQ(Selected(), "BRAVO.JPG");
    ::SendMessageA(form.Edit1.Handle(), WM_KEYUP, VK_END, 0xC0000001);
    EXPECT_EQ(Selected(), "ALPHA.BMP") << "a key released in the field searches";
}

TEST_F(BrowserTest, DelAndInsAskThenDeleteOrRenameAFileKeepingTheSelectionIndexOrWarn)
{
    folder.Fill({"sub\\", "a.bmp", "b.bmp", "été.bmp"});
    list.SetFileName(folder.Path());
    // Files are named by the listed directory's path, wherever the current directory is.
    ::SetCurrentDirectoryA("C:\\");
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
    ListKey(VK_DELETE, mrYes);
    EXPECT_FALSE(Exists(folder / "a.bmp"));
    EXPECT_EQ(Selected(), "b.bmp") << "the same index";

    ListKey(VK_INSERT, mrOk, "été.bmp");
    const DialogRequest& ask = dialogs.requests.at(2);
    EXPECT_EQ((std::vector<std::string>{ask.caption, ask.text, ask.value}),
              (std::vector<std::string>{"Rename File", "New Name:", "b.bmp"}));
    ExpectMessage(dialogs.requests.at(3), "Error occured while renaming file !", mtWarning, mbOK);
    EXPECT_TRUE(Exists(folder / "b.bmp") && Exists(folder / "été.bmp"));
    ListKey(VK_INSERT, mrCancel);
    EXPECT_EQ(dialogs.requests.size(), 5u) << "Cancel renames nothing";
    ListKey(VK_INSERT, mrOk, "c 東京.bmp");
    EXPECT_TRUE(Exists(folder / "c 東京.bmp") && !Exists(folder / "b.bmp"));
    EXPECT_EQ(Selected(), "c 東京.bmp") << "the same index";

    Select("été.bmp");
    ListKey(VK_DELETE, mrYes);
    EXPECT_EQ(Selected(), "c 東京.bmp") << "the new last entry";
    HANDLE open = ::CreateFileA((folder / "c 東京.bmp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ListKey(VK_DELETE, mrYes);
    ::CloseHandle(open);
    ExpectMessage(dialogs.requests.back(), "Error occured while deleting file !", mtWarning, mbOK);
    EXPECT_EQ(Selected(), "c 東京.bmp");
}

// Enter walks from the drive box to the name field, then opens the selected
// entry; Enter in the list or a double click opens it too.
TEST_F(BrowserTest, OpeningAnEntryEntersADirectoryOrLoadsAPictureButNothingElse)
{
    const std::string name = "Beach WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW";
    folder.Fill({name + "\\", name + "\\日本.jpg", name + "\\README.TXT"});
    list.SetFileName(folder.Path());
    Enter(form.DriveComboBox1.Handle());
    EXPECT_EQ(::GetFocus(), form.Edit1.Handle());
    Select("[" + name + "]");
    Enter(form.Edit1.Handle());
    EXPECT_EQ(list.Directory(), folder / name);
    EXPECT_EQ(::GetFocus(), list.Handle());
    // The path line stays one line: wrapped at the blank, it would show only "...\Beach", centred.
    ASSERT_EQ(form.Label2.Text(), ShortenPath(folder / name, 30));
    PixelCanvas line(220, 13);
    ::SendMessageA(form.Label2.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(line.dc()), PRF_CLIENT);
    EXPECT_GT(line.CountOther(clBtnFace(), {0, 0, 40, 10}), 10);
    EXPECT_GT(line.CountOther(clBtnFace(), {180, 0, 220, 10}), 10);

    CurrentPicturePath.clear();
    Select("日本.jpg");
    Enter(list.Handle());
    ASSERT_FALSE(dialogs.requests.empty()) << "a load was tried";
    EXPECT_EQ(dialogs.requests.back().text, "日本.JPG is not a valid Bitmapfile !");
    const std::size_t shown = dialogs.requests.size();
    Select("README.TXT");
    Enter(list.Handle());
    Select("[..]");
    const int height = list.ItemHeight();
    ::SendMessageA(list.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(30, list.ItemIndex() * height + height / 2));
    EXPECT_EQ(list.Directory(), folder.Path());
    EXPECT_EQ(form.Label2.Text(), ShortenPath(folder.Path(), 30));
    EXPECT_EQ(dialogs.requests.size(), shown) << "nothing else was loaded";

    // A file gone since the list was read: the list is read again, silently.
    Select("[" + name + "]");
    Enter(list.Handle());
    Select("README.TXT");
    ::DeleteFileA((folder / (name + "\\README.TXT")).c_str());
    Enter(list.Handle());
    EXPECT_EQ(list.IndexOfName("README.TXT"), -1);
    EXPECT_EQ(list.Directory(), folder / name);
    EXPECT_EQ(dialogs.requests.size(), shown);
}

// Del moves a file to the Recycle Bin. Shift+Del, and Del on a drive that has
// no Recycle Bin, delete it for good, and the question says so.
TEST_F(BrowserTest, DelRecyclesWhileShiftDelOrADriveWithoutARecycleBinDeletesForGood)
{
    folder.Fill({"a.bmp", "b.bmp", "c.bmp"});
    ScratchDrive stick('S', folder.Path(), DRIVE_REMOVABLE);
    auto recycled = [] {
        SHQUERYRBINFO bin{};
        bin.cbSize = sizeof bin;
        ::SHQueryRecycleBinA(nullptr, &bin);
        return bin.i64NumItems;
    };
    struct Row {
        std::string directory;
        const char* name;
        bool shift;
        const char* question;
        long long toTheBin;
    };
    for (const Row& row : {Row{folder.Path(), "a.bmp", false, "Delete File a.bmp ?", 1},
                           Row{folder.Path(), "b.bmp", true, "Delete File b.bmp for good ?", 0},
                           Row{"S:\\", "c.bmp", false, "Delete File c.bmp for good ?", 0}}) {
        SCOPED_TRACE(row.name);
        list.SetFileName(row.directory);
        Select(row.name);
        const long long before = recycled();
        BYTE keys[256] = {};
        keys[VK_SHIFT] = row.shift ? 0x80 : 0;
        ::SetKeyboardState(keys);
        ListKey(VK_DELETE, mrYes);
        keys[VK_SHIFT] = 0;
        ::SetKeyboardState(keys);
        ExpectMessage(dialogs.requests.back(), row.question, mtConfirmation, mbYes | mbNo);
        EXPECT_FALSE(Exists(folder / row.name));
        EXPECT_EQ(recycled() - before, row.toTheBin);
    }
}

// A box made as the main window makes its own. The medium of a removable drive
// is not read; the test prefix's C: has no label.
TEST_F(BrowserTest, TheDriveBoxListsEveryDriveWithItsLabelAndGlyphInLetterOrderAndDrawsIt)
{
    ScratchFolder labelled("lumo-label");
    labelled.File(".windows-label", "Holiday");  // read when the drive is defined
    ScratchDrive floppy('A'), fixed('S', labelled.Path());
    ::SetCurrentDirectoryA("C:\\");
    int changes = 0;
    TDriveComboBox box;
    box.OnChange = [&](TDriveComboBox&) { ++changes; };
    box.SetTextCase(tcUpperCase);
    box.Create(form.Handle(), 99, Bounds(8, 8, 164, 22), nullptr);
    EXPECT_EQ(changes, 1) << "creation selects the current drive and reports it";
    box.SetDrive('c');
    EXPECT_EQ(changes, 1) << "the same drive, ignoring case";
    EXPECT_EQ(TextsOf(box.Items()), (Names{"A:", "C: []", "R: []", "S: [HOLIDAY]", "Z: []"}));
    EXPECT_EQ(box.Items()[0].glyph, DriveGlyph::Floppy);
    EXPECT_EQ(box.Items()[3].glyph, DriveGlyph::Hard);
    EXPECT_EQ(SizeOf(box.Handle()).second, 22) << "the closed box keeps its design height";
    // C:'s glyph is 11 high, centred: rows 2 to 12, columns 2 to 17; the text from left plus glyph width plus 6.
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    PixelCanvas canvas(164, 16);
    box.DrawItem(canvas.dc(), 1, RECT{0, 0, 164, 16}, {true, false});
    EXPECT_EQ(canvas.CountOther(highlight, {0, 0, 18, 2}), 0);
    EXPECT_GT(canvas.CountOther(highlight, {2, 2, 18, 13}), 30);
    EXPECT_EQ(canvas.CountOther(highlight, {18, 0, 22, 16}), 0);
    EXPECT_GT(canvas.CountOther(highlight, {24, 0, 60, 16}), 10);
}

TEST_F(BrowserTest, TheFileListListsByAttributesWithDotEntriesOnlyBelowARootAndKeepsAGoodDirectory)
{
    folder.Fill({"Holiday\\", "ALPHA.BMP", "Holiday\\plain.txt", "Holiday\\hidden.txt", "Holiday\\system.txt",
                 "Holiday\\readonly.txt", "Holiday\\secret\\"});
    for (auto [name, attributes] : {std::pair{"hidden.txt", FILE_ATTRIBUTE_HIDDEN}, {"secret", FILE_ATTRIBUTE_HIDDEN},
                                    {"system.txt", FILE_ATTRIBUTE_SYSTEM}, {"readonly.txt", FILE_ATTRIBUTE_READONLY}})
        folder.Attributes("Holiday\\" + std::string(name), attributes);
    list.SetFileName("R:\\");
    EXPECT_EQ(Texts(), (Names{"[Holiday]", "ALPHA.BMP"}));
    list.SetItemIndex(1);
    EXPECT_EQ(list.FileName(), "R:\\ALPHA.BMP");
    list.SetDirectory("R:\\Holiday");
    EXPECT_EQ(Texts(), (Names{"[..]", "[.]", "[secret]", "hidden.txt", "plain.txt", "readonly.txt"}));
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(form.Edit1.Text(), "*.*") << "the mask is written after every read";
    EXPECT_THROW(list.SetDirectory("R:\\nowhere"), EInOutError);
    EXPECT_EQ(list.Directory(), "R:\\Holiday") << "the directory stays";
}

TEST_F(BrowserTest, TheFileListDrawsTheGlyphTransparentlyBeforeTheText)
{
    folder.Fill({"README", "sub\\"});
    list.SetFileName(folder.Path());
    EXPECT_EQ(list.ItemHeight(), 16) << "glyph height 15 plus one";
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    PixelCanvas selected(188, 16);
    list.DrawItem(selected.dc(), list.IndexOfName("[sub]"), RECT{0, 0, 188, 16}, {true, true});
    EXPECT_EQ(selected.At(2, 14), highlight) << "the glyph's bottom-left colour is left out";
    EXPECT_EQ(selected.At(1, 8), highlight) << "the glyph starts two pixels in";
    EXPECT_NE(selected.At(3, 8), highlight) << "the folder's outline";
    EXPECT_GT(selected.Count(::GetSysColor(COLOR_HIGHLIGHTTEXT)), 10) << "the text in highlight-text colour";

}

TEST_F(BrowserTest, AClickOrATypedInitialInTheListSelectsAndWritesTheNameField)
{
    folder.Fill({"a.bmp", "b.bmp"});
    list.SetFileName(folder.Path());
    list.SetFileType(ftNormal);
    PumpMessages();
    const int y = list.ItemHeight() / 2;
    ::SendMessageA(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, y));
    ::SendMessageA(list.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, y));
    EXPECT_EQ(list.ItemIndex(), 0);
    EXPECT_EQ(form.Edit1.Text(), "A.BMP") << "the upper-case name field shows the entry";

    for (char typed : {'B', 'z'})
        ::SendMessageA(list.Handle(), WM_CHAR, static_cast<WPARAM>(typed), 1);
    EXPECT_EQ(list.ItemIndex(), 1) << "no entry begins with z";
    EXPECT_EQ(form.Edit1.Text(), "B.BMP");
}

TEST_F(BrowserTest, TheFileListRestoresTheCursorAfterALongRead)
{
    for (int i = 0; i < 150; ++i)
        folder.File("f" + std::to_string(i) + ".txt");
    list.SetFileName(folder.Path());
    EXPECT_EQ(Screen().Cursor(), crDefault);
}
