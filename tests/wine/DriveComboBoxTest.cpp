#include "TestSupport.h"
#include "controls/TDriveComboBox.h"
#include "framework/Panel.h"

namespace {

const DriveEntry* EntryOf(const TDriveComboBox& box, char letter)
{
    for (const DriveEntry& entry : box.Items())
        if (entry.text[0] == letter)
            return &entry;
    return nullptr;
}

std::string Letters(const TDriveComboBox& box)
{
    std::string letters;
    for (const DriveEntry& entry : box.Items())
        letters += entry.text[0];
    return letters;
}

class DriveComboBoxTest : public ::testing::Test {
protected:
    // A drive mapped to the scratch folder takes its label from this file.
    DriveComboBoxTest() { folder.File(".windows-label", "Holiday"); }

    void Create(bool upperCase = true)
    {
        if (upperCase)
            box.SetTextCase(tcUpperCase);
        box.OnChange = [&](TDriveComboBox&) { ++changes; };
        box.Create(host.Handle(), 1, Bounds(8, 8, 164, 22), nullptr);
    }

    ScratchFolder folder{"lumo-drive"};
    HostForm host;
    // The box takes the current drive when it is made: the scratch folder's.
    const BOOL inFolder = ::SetCurrentDirectoryA(folder.Path().c_str());
    TDriveComboBox box;
    int changes = 0;
};

} // namespace

TEST_F(DriveComboBoxTest, ListsEveryDriveWithItsTypeLabelAndGlyphInLetterOrder)
{
    ScratchDrive floppy('A', "", DRIVE_REMOVABLE);
    ScratchDrive fixed('R', folder.Path(), DRIVE_FIXED);
    Create();
    EXPECT_EQ(Letters(box), "ACRZ");
    ASSERT_TRUE(EntryOf(box, 'A'));
    EXPECT_EQ(EntryOf(box, 'A')->text, "A:") << "the medium is not read";
    EXPECT_EQ(EntryOf(box, 'A')->glyph, DriveGlyph::Floppy);
    EXPECT_EQ(EntryOf(box, 'R')->glyph, DriveGlyph::Hard);
    EXPECT_EQ(EntryOf(box, 'R')->text, "R: [HOLIDAY]");
    EXPECT_EQ(EntryOf(box, 'C')->text, "C: []") << "the test prefix's C: has no label";
    EXPECT_GE(box.ItemHeight(), 11);
    RECT rect;
    ::GetWindowRect(box.Handle(), &rect);
    EXPECT_EQ(rect.bottom - rect.top, 22) << "the closed box keeps its design height";
}

TEST_F(DriveComboBoxTest, WritesLettersAndLabelsInTheTextCase)
{
    ScratchDrive fixed('R', folder.Path(), DRIVE_FIXED);
    Create(false);
    EXPECT_EQ(box.Drive(), 'c') << "lower case by default";
    EXPECT_EQ(EntryOf(box, 'r')->text, "r: [holiday]");
    box.SetTextCase(tcUpperCase);
    EXPECT_EQ(changes, 2) << "the rebuilt list selects the drive again";
    EXPECT_EQ(box.Drive(), 'C');
    EXPECT_EQ(EntryOf(box, 'R')->text, "R: [HOLIDAY]");
}

TEST_F(DriveComboBoxTest, SelectsADriveAndRaisesOnChangeOnlyWhenItChanges)
{
    ScratchDrive fixed('R', folder.Path(), DRIVE_FIXED);
    Create();
    EXPECT_EQ(changes, 1) << "creation selects the drive and reports it";
    box.SetDrive('c');
    EXPECT_EQ(changes, 1) << "same drive, ignoring case";
    box.SetDrive('r');
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(box.Drive(), 'R');
    EXPECT_EQ(box.Items()[static_cast<std::size_t>(box.ItemIndex())].text.substr(0, 2), "R:");
    box.SetDrive('Q');
    EXPECT_EQ(changes, 3) << "a missing drive is still reported";
    EXPECT_EQ(box.Items()[static_cast<std::size_t>(box.ItemIndex())].text.substr(0, 2), "R:") << "selection stays";

    const int z = static_cast<int>(box.Items().size()) - 1;
    ::SendMessageA(box.Handle(), CB_SETCURSEL, static_cast<WPARAM>(z), 0);
    ::SendMessageA(host.Handle(), WM_COMMAND, MAKEWPARAM(1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box.Handle()));
    EXPECT_EQ(box.Drive(), 'Z');
    EXPECT_EQ(changes, 4);
}

TEST_F(DriveComboBoxTest, DrawsTheGlyphTransparentlyAndTheTextAfterIt)
{
    Create();
    const COLORREF window = ::GetSysColor(COLOR_WINDOW);
    PixelCanvas canvas(164, 16);
    box.DrawItem(canvas.dc(), 0, RECT{0, 0, 164, 16}, {});
    // The glyph is 11 high, centred: rows 2 to 12, columns 2 to 17.
    EXPECT_EQ(canvas.At(2, 12), window) << "bottom-left colour left out";
    EXPECT_EQ(canvas.At(1, 7), window);
    EXPECT_GT(canvas.CountOther(window, {2, 2, 18, 13}), 30);
    EXPECT_GT(canvas.CountOther(window, {24, 0, 60, 16}), 10) << "the text from left plus glyph width plus 6";

    PixelCanvas selected(164, 16);
    box.DrawItem(selected.dc(), 0, RECT{0, 0, 164, 16}, {true, false});
    EXPECT_EQ(selected.At(150, 8), ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(selected.At(2, 12), ::GetSysColor(COLOR_HIGHLIGHT)) << "transparent on the highlight too";
}
