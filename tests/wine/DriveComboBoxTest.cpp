#include "TestSupport.h"
#include "controls/TDriveComboBox.h"
#include "framework/Panel.h"

namespace {

class DriveComboBoxTest : public ::testing::Test {
protected:
    DriveComboBoxTest()
    {
        box.OnChange = [&](TDriveComboBox&) { ++changes; };
        box.Create(host.Handle(), 1, Bounds(8, 8, 164, 22), nullptr);
    }
    const DriveEntry& Entry(char letter) const
    {
        for (const DriveEntry& entry : box.Items())
            if (entry.text[0] == letter)
                return entry;
        throw std::runtime_error(std::string("no drive ") + letter);
    }

    ScratchFolder folder{"lumo-drive"};
    // A drive mapped to the scratch folder takes its label from this file.
    const bool labelled = (folder.File(".windows-label", "Holiday"), true);
    HostForm host;
    // The box takes the current drive when it is made: the scratch folder's.
    const BOOL inFolder = ::SetCurrentDirectoryA(folder.Path().c_str());
    ScratchDrive floppy{'A', "", DRIVE_REMOVABLE};
    ScratchDrive fixed{'R', folder.Path(), DRIVE_FIXED};
    TDriveComboBox box;
    int changes = 0;
};

} // namespace

TEST_F(DriveComboBoxTest, ListsEveryDriveWithItsLabelAndGlyphInLetterOrderAndTheTextCase)
{
    EXPECT_EQ(changes, 1) << "creation selects the drive and reports it";
    box.SetDrive('C');
    EXPECT_EQ(changes, 1) << "the same drive, ignoring case";
    EXPECT_EQ(box.Drive(), 'c') << "lower case by default";
    EXPECT_EQ(Entry('r').text, "r: [holiday]");
    box.SetTextCase(tcUpperCase);
    EXPECT_EQ(changes, 2) << "the rebuilt list selects the drive again";
    EXPECT_EQ(box.Drive(), 'C');
    std::string letters;
    for (const DriveEntry& entry : box.Items())
        letters += entry.text[0];
    EXPECT_EQ(letters, "ACRZ");
    EXPECT_EQ(Entry('A').text, "A:") << "the medium is not read";
    EXPECT_EQ(Entry('A').glyph, DriveGlyph::Floppy);
    EXPECT_EQ(Entry('R').text, "R: [HOLIDAY]");
    EXPECT_EQ(Entry('R').glyph, DriveGlyph::Hard);
    EXPECT_EQ(Entry('C').text, "C: []") << "the test prefix's C: has no label";
    EXPECT_EQ(SizeOf(box.Handle()).cy, 22) << "the closed box keeps its design height";
}

TEST_F(DriveComboBoxTest, DrawsTheGlyphTransparentlyAndTheTextAfterIt)
{
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    PixelCanvas canvas(164, 16);
    box.DrawItem(canvas.dc(), 1, RECT{0, 0, 164, 16}, {true, false});
    // C:'s glyph is 11 high, centred: rows 2 to 12, columns 2 to 17.
    EXPECT_EQ(canvas.At(2, 12), highlight) << "bottom-left colour left out";
    EXPECT_EQ(canvas.At(1, 7), highlight);
    EXPECT_GT(canvas.CountOther(highlight, {2, 2, 18, 13}), 30);
    EXPECT_GT(canvas.CountOther(highlight, {24, 0, 60, 16}), 10) << "the text from left plus glyph width plus 6";
    EXPECT_EQ(canvas.At(150, 8), highlight);
}
