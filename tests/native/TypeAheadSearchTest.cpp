#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/TypeAheadSearch.h"
#include "controls/FirstLetterSearch.h"

namespace {

int Search(const std::vector<std::string>& entries, std::string_view typed)
{
    return TypeAheadIndex(typed, entries.size(), [&](std::size_t i) -> std::string_view { return entries[i]; });
}

const std::vector<std::string> kRoot = {"ALPHA.BMP", "BETA.GIF", "BRAVO.JPG", "DELTA.PCX"};

} // namespace

TEST(TypeAheadSearch, NarrowsTheRunOfMatchesCharacterByCharacter)
{
    EXPECT_EQ(Search(kRoot, "B"), 1);
    EXPECT_EQ(Search(kRoot, "BR"), 2);
    EXPECT_EQ(Search(kRoot, "BRX"), 3) << "one past the run";
    EXPECT_EQ(Search(kRoot, "BRAVO.JPG"), 2);
    EXPECT_EQ(Search(kRoot, "b"), 1) << "letters compare in upper case";
}

TEST(TypeAheadSearch, FallsToTheFirstGreaterEntryOrPastTheEnd)
{
    EXPECT_EQ(Search(kRoot, "C"), 3);
    EXPECT_EQ(Search(kRoot, "Z"), 4);
    EXPECT_EQ(Search(kRoot, ""), 0);
    EXPECT_EQ(Search({}, ""), 0);
    EXPECT_EQ(Search({}, "A"), 0);
}

TEST(TypeAheadSearch, BracketsRankAboveLettersAndShortEntriesReadAsZero)
{
    std::vector<std::string> subDirectory = {"[.]", "[..]", "[HOLIDAY]", "ALPHA.BMP", "BETA.GIF"};
    EXPECT_EQ(Search(subDirectory, "Z"), 0);
    EXPECT_EQ(Search(subDirectory, "["), 0);
    EXPECT_EQ(Search(subDirectory, "[H"), 2);
    EXPECT_EQ(Search({"AB", "ABC", "ABD"}, "ABC"), 1) << "past the end of AB reads as 0";
    EXPECT_EQ(Search({"AB", "ABD"}, "ABC"), 1);
}

TEST(TypeAheadSearch, AMatchWinsOverAnEarlierGreaterEntry)
{
    // Not sorted on purpose: the greater entry comes before the match.
    EXPECT_EQ(Search({"A", "C", "B"}, "B"), 2);
    // Non-ASCII bytes compare as unsigned codes, above every letter.
    EXPECT_EQ(Search({"ALPHA", "été"}, "Z"), 1);
}

TEST(FirstLetterSearch, SelectsTheNextEntryWithThatInitialGoingRound)
{
    const std::vector<FileEntry> entries = {
        MakeFileEntry("..", true, false), MakeFileEntry("Beach", true, false), MakeFileEntry("apple.bmp", false, false),
        MakeFileEntry("BIRD.GIF", false, false), MakeFileEntry("bus.jpg", false, false)};
    struct Case {
        int current;
        char typed;
        int expected;
    };
    for (const Case& c : std::initializer_list<Case>{
             {-1, 'b', 1},  // a directory by its name, not its bracket
             {1, 'B', 3},   // letters in either case
             {3, 'b', 4},
             {4, 'b', 1},   // round past the end
             {2, 'a', 2},   // the only match is the current entry
             {-1, '.', 0},
             {0, 'z', -1},
             {0, '[', -1},
         })
        EXPECT_EQ(NextEntryStartingWith(entries, c.current, c.typed), c.expected) << c.current << " " << c.typed;
    EXPECT_EQ(NextEntryStartingWith({}, -1, 'a'), -1);
}
