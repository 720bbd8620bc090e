#include <gtest/gtest.h>

#include "controls/FileEntries.h"

TEST(FileEntries, SplitsMasksAtEverySemicolonKeepingEmptyPieces)
{
    EXPECT_EQ(SplitMask("*.BMP;*.GIF;"), (std::vector<std::string>{"*.BMP", "*.GIF", ""}));
}

// The executable glyph only for four extensions; directories in brackets, with a glyph only when glyphs show.
TEST(FileEntries, AnEntryShowsItsNameAndItsKindsGlyph)
{
    for (const char* name : {"PROGRAM.EXE", "setup.bat", "Command.Com", "old.pif"})
        EXPECT_EQ(MakeFileEntry(name, false, true).glyph, FileGlyph::Executable) << name;
    for (const char* name : {"README", "tool.exe.txt", ".exes", "archive.ex"})
        EXPECT_EQ(MakeFileEntry(name, false, true).glyph, FileGlyph::UnknownFile) << name;
    const FileEntry shown = MakeFileEntry("Holiday", true, true);
    EXPECT_EQ(std::pair(shown.text, shown.glyph), std::pair(std::string("[Holiday]"), FileGlyph::ClosedFolder));
    EXPECT_EQ(MakeFileEntry("..", true, false).glyph, FileGlyph::None);
    EXPECT_EQ(MakeFileEntry("photo.JPG", false, false).text, "photo.JPG");
}

TEST(FileEntries, SortsIgnoringCaseWithDirectoriesBeforeLettersAndKeepsDuplicates)
{
    std::vector<FileEntry> entries;
    for (const char* text : {"delta.pcx", "[..]", "Bravo.jpg", "ALPHA.BMP", "[.]", "beta.gif", "[Zoo]", "1st.txt",
                             "alpha.bmp"})
        entries.push_back({text});
    SortEntries(entries);
    std::string order;
    for (const FileEntry& entry : entries)
        order += entry.text + " ";
    EXPECT_EQ(order, "1st.txt [..] [.] [Zoo] ALPHA.BMP alpha.bmp beta.gif Bravo.jpg delta.pcx ");
}

TEST(FileEntries, FindsEntriesByTheWholeNameIgnoringAsciiCase)
{
    const std::vector<FileEntry> entries = {{"[..]"}, {"Photo.JPG"}, {"été.bmp"}};
    for (const auto& [name, index] : {std::pair{"PHOTO.jpg", 1}, {"été.BMP", 2}, {"photo", -1}, {"photo.jpg.bak", -1}})
        EXPECT_EQ(IndexOfEntry(entries, name), index) << name;
}
