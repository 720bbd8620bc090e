#include "TestSupport.h"
#include "controls/TDriveComboBox.h"
#include "framework/Panel.h"

namespace {

class DriveComboBoxTest : public ::testing::Test {
protected:
    DriveComboBoxTest()
    {
        box.OnChange = [&](TDriveComboBox&) { ++changes; };
        box.SetTextCase(tcUpperCase);
        box.Create(host.Handle(), 1, Bounds(8, 8, 164, 22), nullptr);
    }

    ScratchFolder folder{"lumo-drive"};
    // A drive mapped to the scratch folder takes its label from this file.
    const bool labelled = (folder.File(".windows-label", "Holiday"), true);
    HostForm host;
    // The box takes the current drive when it is made: the scratch folder's.
    const BOOL inFolder = ::SetCurrentDirectoryA(folder.Path().c_str());
    ScratchDrive floppy{'A'};
    ScratchDrive fixed{'R', folder.Path()};
    TDriveComboBox box;
    int changes = 0;
};

} // namespace

// The medium of a removable drive is not read; the test prefix's C: has no label.
TEST_F(DriveComboBoxTest, ListsEveryDriveWithItsLabelAndGlyphInLetterOrder)
{
    EXPECT_EQ(changes, 1) << "creation selects the drive and reports it";
    box.SetDrive('c');
    EXPECT_EQ(changes, 1) << "the same drive, ignoring case";
    EXPECT_EQ(box.Drive(), 'C');
    EXPECT_EQ(TextsOf(box.Items()), (std::vector<std::string>{"A:", "C: []", "R: [HOLIDAY]", "Z: []"}));
    EXPECT_EQ(box.Items()[0].glyph, DriveGlyph::Floppy);
    EXPECT_EQ(box.Items()[2].glyph, DriveGlyph::Hard);
    EXPECT_EQ(SizeOf(box.Handle()).second, 22) << "the closed box keeps its design height";
}

// C:'s glyph is 11 high, centred: rows 2 to 12, columns 2 to 17;
// the text from left plus glyph width plus 6.
TEST_F(DriveComboBoxTest, DrawsTheGlyphCentredAndTheTextAfterIt)
{
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    PixelCanvas canvas(164, 16);
    box.DrawItem(canvas.dc(), 1, RECT{0, 0, 164, 16}, {true, false});
    EXPECT_EQ(canvas.CountOther(highlight, {0, 0, 18, 2}), 0);
    EXPECT_GT(canvas.CountOther(highlight, {2, 2, 18, 13}), 30);
    EXPECT_EQ(canvas.CountOther(highlight, {18, 0, 22, 16}), 0);
    EXPECT_GT(canvas.CountOther(highlight, {24, 0, 60, 16}), 10);
}
