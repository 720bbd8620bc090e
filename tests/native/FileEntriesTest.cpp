#include <gtest/gtest.h>

#include "controls/FileEntries.h"

namespace {

std::vector<std::string> Texts(const std::vector<FileEntry>& entries)
{
    std::vector<std::string> texts;
    for (const FileEntry& entry : entries)
        texts.push_back(entry.text);
    return texts;
}

} // namespace

TEST(FileEntries, SplitsMasksAtEverySemicolonKeepingEmptyPieces)
{
    EXPECT_EQ(SplitMask("*.*"), (std::vector<std::string>{"*.*"}));
    EXPECT_EQ(SplitMask("*.BMP;*.GIF"), (std::vector<std::string>{"*.BMP", "*.GIF"}));
    EXPECT_EQ(SplitMask("*.BMP;"), (std::vector<std::string>{"*.BMP", ""}));
    EXPECT_EQ(SplitMask(""), (std::vector<std::string>{""}));
}

TEST(FileEntries, ChoosesTheExecutableGlyphOnlyForTheFourProgramExtensions)
{
    for (const char* name : {"PROGRAM.EXE", "setup.bat", "Command.Com", "old.pif", "a.b.exe"})
        EXPECT_EQ(MakeFileEntry(name, false, true).glyph, FileGlyph::Executable) << name;
    for (const char* name : {"README", "photo.jpg", "tool.exe.txt", "exe", ".exes", "archive.ex"})
        EXPECT_EQ(MakeFileEntry(name, false, true).glyph, FileGlyph::UnknownFile) << name;
}

TEST(FileEntries, BracketsDirectoriesAndGivesThemAGlyphOnlyWhenGlyphsShow)
{
    FileEntry shown = MakeFileEntry("Holiday", true, true);
    EXPECT_EQ(shown.text, "[Holiday]");
    EXPECT_EQ(shown.glyph, FileGlyph::ClosedFolder);
    EXPECT_EQ(MakeFileEntry("..", true, false).glyph, FileGlyph::None);
    EXPECT_EQ(MakeFileEntry("photo.JPG", false, false).text, "photo.JPG");
}

TEST(FileEntries, SortsIgnoringCaseWithDirectoriesBeforeLettersAndKeepsDuplicates)
{
    std::vector<FileEntry> entries = {{"delta.pcx"}, {"[..]"}, {"Bravo.jpg"}, {"ALPHA.BMP"}, {"[.]"},
                                      {"beta.gif"},  {"[Zoo]"}, {"1st.txt"},  {"alpha.bmp"}};
    SortEntries(entries);
    EXPECT_EQ(Texts(entries), (std::vector<std::string>{"1st.txt", "[..]", "[.]", "[Zoo]", "ALPHA.BMP", "alpha.bmp",
                                                        "beta.gif", "Bravo.jpg", "delta.pcx"}));
}

TEST(FileEntries, FindsEntriesByNameIgnoringAsciiCaseOnly)
{
    std::vector<FileEntry> entries = {{"[..]"}, {"Photo.JPG"}, {"été.bmp"}};
    EXPECT_EQ(IndexOfEntry(entries, "PHOTO.jpg"), 1);
    EXPECT_EQ(IndexOfEntry(entries, "[..]"), 0);
    EXPECT_EQ(IndexOfEntry(entries, "été.BMP"), 2);
    EXPECT_EQ(IndexOfEntry(entries, "photo"), -1);
    EXPECT_TRUE(EqualIgnoringCase("C:\\Pics", "c:\\PICS"));
    EXPECT_FALSE(EqualIgnoringCase("C:\\Pics", "C:\\Pics\\"));
}
