#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/TypeAheadSearch.h"
#include "controls/FirstLetterSearch.h"

TEST(TypeAheadSearch, FindsTheFirstEntryOfTheMatchingRunOrTheFirstGreaterOne)
{
    const std::vector<std::string> root = {"ALPHA.BMP", "BETA.GIF", "BRAVO.JPG", "DELTA.PCX"};
    struct Case { std::vector<std::string> entries; const char* typed; int expected; };
    const Case cases[] = {
        {root, "B", 1}, {root, "BR", 2}, {root, "BRX", 3} /* one past the run */,
        {root, "b", 1} /* letters compare in upper case */, {root, "Z", 4}, {{}, "A", 0},
        {{"[.]", "[..]", "[HOLIDAY]", "ALPHA.BMP"}, "Z", 0} /* brackets rank above letters */,
        {{"[.]", "[..]", "[HOLIDAY]", "ALPHA.BMP"}, "[H", 2},
        {{"AB", "ABC", "ABD"}, "ABC", 1} /* past the end of AB reads as 0 */,
        {{"A", "C", "B"}, "B", 2} /* a match wins over an earlier greater entry */,
        {{"ALPHA", "été"}, "Z", 1} /* bytes beyond ASCII compare above every letter */,
    };
    for (const Case& c : cases) {
        const int found =
            TypeAheadIndex(c.typed, c.entries.size(), [&](std::size_t i) -> std::string_view { return c.entries[i]; });
        EXPECT_EQ(found, c.expected) << c.typed << " in " << c.entries.size() << " entries";
    }
}

TEST(FirstLetterSearch, SelectsTheNextEntryWithThatInitialGoingRound)
{
    const std::vector<FileEntry> entries = {
        MakeFileEntry("..", true, false), MakeFileEntry("Beach", true, false), MakeFileEntry("apple.bmp", false, false),
        MakeFileEntry("BIRD.GIF", false, false), MakeFileEntry("bus.jpg", false, false)};
    struct Case { int current; char typed; int expected; };
    for (const Case& c : std::initializer_list<Case>{
             {-1, 'b', 1},  // a directory by its name, not its bracket
             {1, 'B', 3},   // letters in either case
             {4, 'b', 1},   // round past the end
             {2, 'a', 2},   // the only match is the current entry
             {0, 'z', -1},
         })
        EXPECT_EQ(NextEntryStartingWith(entries, c.current, c.typed), c.expected) << c.current << " " << c.typed;
    EXPECT_EQ(NextEntryStartingWith({}, -1, 'a'), -1);
}
