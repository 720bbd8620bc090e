#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/TypeAheadSearch.h"
#include "controls/FirstLetterSearch.h"

TEST(TypeAheadSearch, FindsTheFirstEntryOfTheMatchingRunOrTheFirstGreaterOne)
{
    const std::vector<std::string> root = {"ALPHA.BMP", "BETA.GIF", "BRAVO.JPG", "DELTA.PCX"}, sub = {"[..]", "[HOME]", "A"};
    const std::tuple<std::vector<std::string>, const char*, int> cases[] = {
        {root, "B", 1}, {root, "BR", 2}, {root, "BRX", 3} /* one past the run */,
        {root, "b", 1} /* letters compare in upper case */, {root, "Z", 4}, {{}, "A", 0},
        {sub, "Z", 0} /* brackets rank above letters */, {sub, "[H", 1},
        {{"AB", "ABC", "ABD"}, "ABC", 1} /* past the end of AB reads as 0 */,
        {{"A", "C", "B"}, "B", 2} /* a match wins over an earlier greater entry */,
        {{"ALPHA", "été"}, "Z", 1} /* bytes beyond ASCII compare above every letter */,
    };
    for (const auto& [entries, typed, expected] : cases)
        EXPECT_EQ(TypeAheadIndex(typed, entries.size(), [&](std::size_t i) -> std::string_view { return entries[i]; }),
                  expected)
            << typed << " in " << entries.size() << " entries";
}

TEST(FirstLetterSearch, SelectsTheNextEntryWithThatInitialGoingRound)
{
    const std::vector<FileEntry> entries = {
        {"[..]", FileGlyph::None, true}, {"[Beach]", FileGlyph::None, true}, {"apple.bmp"}, {"BIRD.GIF"}, {"bus.jpg"}};
    // A directory by its name, not its bracket; either case; round past the end; the current entry as the only match.
    for (const auto& [current, typed, expected] :
         {std::tuple{-1, 'b', 1}, {1, 'B', 3}, {4, 'b', 1}, {2, 'a', 2}, {0, 'z', -1}})
        EXPECT_EQ(NextEntryStartingWith(entries, current, typed), expected) << current << " " << typed;
    EXPECT_EQ(NextEntryStartingWith({}, -1, 'a'), -1);
}
