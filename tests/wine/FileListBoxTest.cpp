#include <functional>

#include "TestSupport.h"
#include "controls/TFileListBox.h"
#include "framework/Exceptions.h"
#include "framework/Panel.h"
#include "framework/Screen.h"
#include "framework/StdControls.h"

namespace {

constexpr TFileType kBrowserTypes = ftReadOnly | ftHidden | ftDirectory | ftArchive | ftNormal;

std::vector<std::string> Texts(const TFileListBox& list)
{
    std::vector<std::string> texts;
    for (const FileEntry& entry : list.Items())
        texts.push_back(entry.text);
    return texts;
}

bool Lists(const TFileListBox& list, const std::string& text) { return list.IndexOfName(text) >= 0; }

// A file list as the main window sets it up, listing the given folder.
class FileListBoxTest : public ::testing::Test {
protected:
    void Open(const std::string& directory, TFileType types = kBrowserTypes)
    {
        list.SetFileType(types);
        list.SetShowGlyphs(true);
        list.Create(host.Handle(), 10, Bounds(8, 40, 188, 212), nullptr);
        edit.Create({host.Handle(), 11, Bounds(8, 8, 120, 24), nullptr}, "", true);
        list.SetFileEdit(edit.Handle());
        list.SetDirectory(directory);
    }

    ScratchFolder folder{"lumo-list"};
    HostForm host;
    TFileListBox list;
    TEdit edit;
};

} // namespace

TEST_F(FileListBoxTest, ListsASubDirectoryWithDotEntriesBracketedFoldersAndSortedFiles)
{
    folder.Fill({"Holiday\\", "empty\\", "beta.gif", "ALPHA.BMP"});
    Open(folder.Path());
    EXPECT_EQ(list.Directory(), folder.Path());
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"[..]", "[.]", "[empty]", "[Holiday]", "ALPHA.BMP", "beta.gif"}));
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(TextOf(edit.Handle()), "*.*") << "the mask after every read";

    list.SetDirectory(folder / "empty");
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"[..]", "[.]"}));
}

TEST_F(FileListBoxTest, ListsADriveRootWithoutDotEntriesAndJoinsNamesWithOneBackslash)
{
    folder.Fill({"HOUSE.BMP", "PICS\\"});
    ScratchDrive drive('R', folder.Path(), DRIVE_FIXED);
    Open("R:\\");
    EXPECT_EQ(list.Directory(), "R:\\");
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"[PICS]", "HOUSE.BMP"}));
    list.SetItemIndex(1);
    EXPECT_EQ(list.FileName(), "R:\\HOUSE.BMP");
    list.SetItemIndex(0);
    EXPECT_EQ(list.FileName(), "R:\\[PICS]") << "directory entries keep their brackets";
}

TEST_F(FileListBoxTest, ListsHiddenFilesAndDirectoriesButNotSystemFiles)
{
    folder.Folder("secret");
    folder.Attributes("secret", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
    for (auto [name, attributes] : {std::pair{"plain.txt", FILE_ATTRIBUTE_NORMAL}, {"hidden.txt", FILE_ATTRIBUTE_HIDDEN},
                                    {"system.txt", FILE_ATTRIBUTE_SYSTEM}, {"readonly.txt", FILE_ATTRIBUTE_READONLY}}) {
        folder.File(name);
        folder.Attributes(name, attributes);
    }
    Open(folder.Path());
    for (const char* name : {"plain.txt", "hidden.txt", "readonly.txt", "[secret]"})
        EXPECT_TRUE(Lists(list, name)) << name;
    EXPECT_FALSE(Lists(list, "system.txt"));

    list.SetFileType(ftNormal);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"plain.txt", "readonly.txt"}))
        << "the default type hides directories and hidden files";
    list.SetFileType(ftReadOnly);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"readonly.txt"}));
}

TEST_F(FileListBoxTest, JoinsMasksWithSemicolonsAndListsAFileOnceForEveryMatchingMask)
{
    folder.Fill({"a.bmp", "b.GIF", "c.jpg", "d.txt"});
    Open(folder.Path(), ftNormal);
    list.SetMask("*.BMP;*.GIF");
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"a.bmp", "b.GIF"}));
    EXPECT_EQ(TextOf(edit.Handle()), "*.BMP;*.GIF");
    list.SetMask("*.*;*.JPG");
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"a.bmp", "b.GIF", "c.jpg", "c.jpg", "d.txt"}));
}

TEST_F(FileListBoxTest, PicksTheGlyphByExtensionAndDrawsItTransparently)
{
    folder.Fill({"PROGRAM.EXE", "README", "sub\\"});
    Open(folder.Path());
    auto glyph = [&](const char* name) { return list.Items()[static_cast<std::size_t>(list.IndexOfName(name))].glyph; };
    EXPECT_EQ(glyph("PROGRAM.EXE"), FileGlyph::Executable);
    EXPECT_EQ(glyph("[sub]"), FileGlyph::ClosedFolder);
    EXPECT_EQ(list.ItemHeight(), 16) << "glyph height 15 plus one";

    PixelCanvas canvas(188, 16);
    const COLORREF window = ::GetSysColor(COLOR_WINDOW);
    list.DrawItem(canvas.dc(), list.IndexOfName("[sub]"), RECT{0, 0, 188, 16}, {});
    EXPECT_EQ(canvas.At(2, 14), window) << "the glyph's bottom-left colour is left out";
    EXPECT_EQ(canvas.At(1, 8), window) << "the glyph starts two pixels in";
    EXPECT_NE(canvas.At(3, 8), window) << "the folder's outline";
    EXPECT_EQ(canvas.At(120, 8), window);

    PixelCanvas selected(188, 16);
    list.DrawItem(selected.dc(), list.IndexOfName("README"), RECT{0, 0, 188, 16}, {true, true});
    EXPECT_EQ(selected.At(150, 8), ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_GT(selected.Count(::GetSysColor(COLOR_HIGHLIGHTTEXT)), 10) << "the text in highlight-text colour";

    list.SetShowGlyphs(false);
    PixelCanvas plain(188, 16);
    list.DrawItem(plain.dc(), list.IndexOfName("README"), RECT{0, 0, 188, 16}, {});
    EXPECT_EQ(plain.At(8, 8), window) << "no glyph, the text from left plus 2";
}

TEST_F(FileListBoxTest, AppliesDrivesEntriesAndPathsGivenAsFileName)
{
    folder.Fill({"Holiday\\", "HOUSE.BMP", "Holiday\\BEACH.JPG"});
    Open(folder.Path());

    list.SetFileName("[Holiday]");
    EXPECT_EQ(list.Directory(), folder / "Holiday");
    EXPECT_TRUE(Lists(list, "BEACH.JPG"));
    list.SetFileName("[.]");
    EXPECT_EQ(list.Directory(), folder / "Holiday");
    list.SetFileName("[..]");
    EXPECT_EQ(list.Directory(), folder.Path());
    EXPECT_EQ(list.ItemIndex(), -1);

    list.SetFileName(folder / "Holiday\\BEACH.JPG");
    EXPECT_EQ(list.Directory(), folder / "Holiday");
    EXPECT_EQ(list.FileName(), folder / "Holiday\\BEACH.JPG");
    EXPECT_EQ(TextOf(edit.Handle()), "BEACH.JPG");

    ScratchDrive drive('R', folder.Path(), DRIVE_FIXED);
    list.SetFileName("R:");
    EXPECT_EQ(list.Directory(), "R:\\") << "the drive's current directory, here its root";
    list.SetFileName("C:");
    EXPECT_EQ(list.Directory().substr(0, 3), "C:\\") << list.Directory();

    list.SetFileName(folder / "*.BMP");
    EXPECT_EQ(list.Directory(), folder.Path());
    EXPECT_EQ(list.Mask(), "*.BMP");
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"HOUSE.BMP"}));
}

TEST_F(FileListBoxTest, ReportsAMissingFileAndAFailedDirectoryChange)
{
    folder.File("HOUSE.BMP");
    Open(folder.Path());
    auto errorOf = [](const std::function<void()>& action) {
        try {
            action();
        } catch (const EInOutError& error) {
            return error.ErrorCode();
        }
        return 0;
    };
    const int missing = errorOf([&] { list.SetFileName(folder / "MISSING.BMP"); });
    EXPECT_TRUE(missing == ERROR_FILE_NOT_FOUND || missing == ERROR_PATH_NOT_FOUND)
        << "entering MISSING.BMP as a directory fails: " << missing;
    EXPECT_EQ(list.Directory(), folder.Path());
    EXPECT_NE(errorOf([&] { list.SetDirectory(folder / "nowhere"); }), 0);
    EXPECT_EQ(list.Directory(), folder.Path()) << "the directory stays";
    EXPECT_TRUE(Lists(list, "HOUSE.BMP"));

    // A name that exists but is hidden by the mask widens the mask to it.
    list.SetMask("*.GIF");
    folder.File("README");
    list.SetFileName(folder / "README");
    EXPECT_EQ(list.Mask(), "README");
    EXPECT_EQ(list.FileName(), folder / "README");
}

TEST_F(FileListBoxTest, ReportsUserSelectionsToTheEditButNotSelectionsByIndex)
{
    folder.Fill({"a.bmp", "b.bmp"});
    Open(folder.Path(), ftNormal);
    int changes = 0;
    list.OnChange = [&](TFileListBox&) { ++changes; };
    list.SetItemIndex(1);
    EXPECT_EQ(TextOf(edit.Handle()), "*.*");
    EXPECT_EQ(changes, 0);

    PumpMessages();
    const int height = list.ItemHeight();
    ::SendMessageA(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, height / 2));
    ::SendMessageA(list.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, height / 2));
    EXPECT_EQ(list.ItemIndex(), 0);
    EXPECT_EQ(TextOf(edit.Handle()), "A.BMP") << "the upper-case name field shows the entry";
    EXPECT_EQ(changes, 1);
    DWORD start = 1, end = 0;
    ::SendMessageA(edit.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u);
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

TEST_F(FileListBoxTest, ATypedLetterSelectsTheNextEntryWithThatInitialAsAClickWould)
{
    folder.Fill({"Beach\\", "apple.bmp", "BIRD.GIF", "bus.jpg"});
    Open(folder.Path());
    int changes = 0;
    list.OnChange = [&](TFileListBox&) { ++changes; };
    struct Step {
        char typed;
        const char* selected;
    };
    for (const Step& step : {Step{'b', "[Beach]"}, Step{'B', "BIRD.GIF"}, Step{'b', "bus.jpg"}, Step{'b', "[Beach]"}}) {
        ::SendMessageA(list.Handle(), WM_CHAR, static_cast<unsigned char>(step.typed), 1);
        EXPECT_EQ(list.ItemIndex(), list.IndexOfName(step.selected)) << step.selected;
    }
    EXPECT_EQ(TextOf(edit.Handle()), "[BEACH]") << "the name field mirrors the selection";
    EXPECT_EQ(changes, 4);
    ::SendMessageA(list.Handle(), WM_CHAR, 'z', 1);
    EXPECT_EQ(list.ItemIndex(), list.IndexOfName("[Beach]")) << "no entry with that initial";
    EXPECT_EQ(changes, 4);
}
