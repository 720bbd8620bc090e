#include "TestSupport.h"
#include "controls/TFileListBox.h"
#include "framework/Exceptions.h"
#include "framework/Panel.h"
#include "framework/Screen.h"
#include "framework/StdControls.h"

namespace {

using Names = std::vector<std::string>;

// A file list as the main window sets it up, with its name field.
class FileListBoxTest : public ::testing::Test {
protected:
    void Open(const std::string& directory, TFileType types = ftReadOnly | ftHidden | ftDirectory | ftArchive | ftNormal)
    {
        list.SetFileType(types);
        list.SetShowGlyphs(true);
        list.Create(host.Handle(), 10, Bounds(8, 40, 188, 212), nullptr);
        edit.Create({host.Handle(), 11, Bounds(8, 8, 120, 24), nullptr}, "", true);
        list.SetFileEdit(edit.Handle());
        list.SetDirectory(directory);
    }
    Names Texts() const
    {
        Names texts;
        for (const FileEntry& entry : list.Items())
            texts.push_back(entry.text);
        return texts;
    }

    ScratchFolder folder{"lumo-list"};
    HostForm host;
    TFileListBox list;
    TEdit edit;
};

} // namespace

TEST_F(FileListBoxTest, ListsDotEntriesOnlyBelowADrivesRootAndWritesTheMaskAfterEveryRead)
{
    folder.Fill({"Holiday\\", "beta.gif", "ALPHA.BMP"});
    ScratchDrive drive('R', folder.Path(), DRIVE_FIXED);
    Open("R:\\");
    EXPECT_EQ(Texts(), (Names{"[Holiday]", "ALPHA.BMP", "beta.gif"}));
    list.SetItemIndex(1);
    EXPECT_EQ(list.FileName(), "R:\\ALPHA.BMP");
    list.SetDirectory("R:\\Holiday");
    EXPECT_EQ(Texts(), (Names{"[..]", "[.]"}));
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(TextOf(edit.Handle()), "*.*");
}

TEST_F(FileListBoxTest, ListsByAttributesAndFileTypeOnceForEveryMatchingMaskPiece)
{
    for (auto [name, attributes] : {std::pair{"plain.txt", FILE_ATTRIBUTE_NORMAL}, {"hidden.txt", FILE_ATTRIBUTE_HIDDEN},
                                    {"system.txt", FILE_ATTRIBUTE_SYSTEM}, {"readonly.txt", FILE_ATTRIBUTE_READONLY}}) {
        folder.File(name);
        ::SetFileAttributesA((folder / name).c_str(), attributes);
    }
    folder.Folder("secret");
    ::SetFileAttributesA((folder / "secret").c_str(), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
    Open(folder.Path());
    EXPECT_EQ(Texts(), (Names{"[..]", "[.]", "[secret]", "hidden.txt", "plain.txt", "readonly.txt"}));
    list.SetFileType(ftNormal);
    EXPECT_EQ(Texts(), (Names{"plain.txt", "readonly.txt"})) << "the default type hides directories and hidden files";
    list.SetMask("R*;*.TXT");
    EXPECT_EQ(Texts(), (Names{"plain.txt", "readonly.txt", "readonly.txt"}));
    EXPECT_EQ(TextOf(edit.Handle()), "R*;*.TXT");
    list.SetFileType(ftReadOnly);
    EXPECT_EQ(Texts(), (Names{"readonly.txt", "readonly.txt"}));
}

TEST_F(FileListBoxTest, DrawsTheGlyphTransparentlyBeforeTheTextAndNoneWhenGlyphsAreOff)
{
    folder.Fill({"README", "sub\\"});
    Open(folder.Path());
    EXPECT_EQ(list.ItemHeight(), 16) << "glyph height 15 plus one";
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    PixelCanvas selected(188, 16);
    list.DrawItem(selected.dc(), list.IndexOfName("[sub]"), RECT{0, 0, 188, 16}, {true, true});
    EXPECT_EQ(selected.At(2, 14), highlight) << "the glyph's bottom-left colour is left out";
    EXPECT_EQ(selected.At(1, 8), highlight) << "the glyph starts two pixels in";
    EXPECT_NE(selected.At(3, 8), highlight) << "the folder's outline";
    EXPECT_EQ(selected.At(150, 8), highlight);
    EXPECT_GT(selected.Count(::GetSysColor(COLOR_HIGHLIGHTTEXT)), 10) << "the text in highlight-text colour";

    list.SetShowGlyphs(false);
    PixelCanvas plain(188, 16);
    list.DrawItem(plain.dc(), list.IndexOfName("README"), RECT{0, 0, 188, 16}, {});
    EXPECT_EQ(plain.At(8, 8), ::GetSysColor(COLOR_WINDOW)) << "no glyph, the text from left plus 2";
}

// Entries, drives and paths given as file name have their cases in the
// browser's tests.
TEST_F(FileListBoxTest, AFileNameWithAWildcardSetsTheMaskAHiddenNameWidensItAMissingOneFails)
{
    folder.Fill({"HOUSE.BMP", "README"});
    Open(folder.Path());
    list.SetFileName(folder / "*.BMP");
    EXPECT_EQ(list.Mask(), "*.BMP");
    EXPECT_EQ(Texts(), Names{"HOUSE.BMP"});
    list.SetFileName(folder / "README");
    EXPECT_EQ(list.Mask(), "README");
    EXPECT_EQ(list.FileName(), folder / "README");
    try {
        list.SetFileName(folder / "MISSING.BMP");
        ADD_FAILURE() << "entering MISSING.BMP as a directory succeeded";
    } catch (const EInOutError& error) {
        EXPECT_TRUE(error.ErrorCode() == ERROR_FILE_NOT_FOUND || error.ErrorCode() == ERROR_PATH_NOT_FOUND);
    }
    EXPECT_THROW(list.SetDirectory(folder / "nowhere"), EInOutError);
    EXPECT_EQ(list.Directory(), folder.Path()) << "the directory stays";
}

TEST_F(FileListBoxTest, AClickOrATypedInitialIsAUserSelectionButASelectionByIndexIsNot)
{
    folder.Fill({"a.bmp", "b.bmp"});
    Open(folder.Path(), ftNormal);
    int changes = 0;
    list.OnChange = [&](TFileListBox&) { ++changes; };
    list.SetItemIndex(1);
    EXPECT_EQ(TextOf(edit.Handle()), "*.*");
    EXPECT_EQ(changes, 0);

    PumpMessages();
    const int y = list.ItemHeight() / 2;
    ::SendMessageA(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, y));
    ::SendMessageA(list.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, y));
    EXPECT_EQ(list.ItemIndex(), 0);
    EXPECT_EQ(TextOf(edit.Handle()), "A.BMP") << "the upper-case name field shows the entry";
    EXPECT_EQ(changes, 1);
    DWORD start = 1, end = 0;
    ::SendMessageA(edit.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end - start, 5u) << "all of it selected";

    for (char typed : {'B', 'z'})
        ::SendMessageA(list.Handle(), WM_CHAR, static_cast<WPARAM>(typed), 1);
    EXPECT_EQ(list.ItemIndex(), 1) << "no entry begins with z";
    EXPECT_EQ(TextOf(edit.Handle()), "B.BMP");
    EXPECT_EQ(changes, 2);
}

TEST_F(FileListBoxTest, RestoresTheCursorAfterALongRead)
{
    for (int i = 0; i < 150; ++i)
        folder.File("f" + std::to_string(i) + ".txt");
    Screen().SetCursor(crDefault);
    Open(folder.Path(), ftNormal);
    EXPECT_EQ(list.Items().size(), 150u);
    EXPECT_EQ(Screen().Cursor(), crDefault);
}
