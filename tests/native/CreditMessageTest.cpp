#include "imagelib/CreditMessageFile.h"

#include <gtest/gtest.h>

#include "framework/Exceptions.h"

namespace {

// The settings a reader changes, holding values no file below gives.
struct Settings {
    MessageFont font{.color = 1, .height = 2, .size = 3, .name = "Previous", .style = {.underline = true}};
    int speed = 5;
    std::uint32_t backColor = 4;
    std::vector<std::string> lines = {"previous"};
};

// The error's text, or "" when the reading succeeds; the settings keep what
// the reader made of them.
std::string Parse(std::string_view bytes, Settings& settings)
{
    try {
        ParseCreditMessage(bytes, settings.font, settings.speed, settings.backColor, settings.lines);
    } catch (const Exception& error) {
        return error.what();
    }
    return "";
}

std::string Lines(std::initializer_list<const char*> lines, const char* end = "\r\n")
{
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + end;
    return text;
}

const std::string kEightLines = Lines({"Title", "$FF00", "-20", "Arial", "12", "0101", "128", "3"});

} // namespace

TEST(ParseCreditMessage, LinesTwoToEightHoldTheSettingsAndTheRestTheCreditLines)
{
    Settings read;
    EXPECT_EQ(Parse(kEightLines, read), "");
    EXPECT_EQ(read.font.color, 0xFF00u);
    EXPECT_EQ(read.font.height, -20);
    EXPECT_EQ(read.font.size, 12);
    EXPECT_EQ(read.font.name, "Arial");
    EXPECT_EQ(read.font.style, (FontStyle{.italic = true, .strikeOut = true}));
    EXPECT_EQ(read.backColor, 128u);
    EXPECT_EQ(read.speed, 3);
    EXPECT_TRUE(read.lines.empty());

    EXPECT_EQ(Parse(kEightLines + "Alice\r\n\r\n  Bob ", read), "");
    EXPECT_EQ(read.lines, (std::vector<std::string>{"Alice", "", "  Bob "}));
}

TEST(ParseCreditMessage, ACarriageReturnALineFeedOrBothEndALine)
{
    const std::initializer_list<const char*> file = {"T", "1", "2", "N", "3", "1", "4", "5", "Alice", "Bob"};
    for (const char* end : {"\n", "\r", "\r\n"}) {
        Settings read;
        EXPECT_EQ(Parse(Lines(file, end), read), "") << end;
        EXPECT_EQ(read.lines, (std::vector<std::string>{"Alice", "Bob"})) << end;
    }
    Settings read;
    EXPECT_EQ(Parse(kEightLines + "Alice\n\rBob\r\r", read), ""); // a line feed, then a carriage return: two ends
    EXPECT_EQ(read.lines, (std::vector<std::string>{"Alice", "", "Bob", ""}));
}

TEST(ParseCreditMessage, AMissingLineFailsWithTheListError)
{
    Settings read;
    EXPECT_EQ(Parse(Lines({"Title", "$FF00", "-20", "Arial", "12", "0101", "128"}), read),
              "Listenindex außerhalb des zulässigen Bereichs");
    EXPECT_EQ(read.backColor, 128u);
    EXPECT_EQ(read.speed, 5);
    EXPECT_TRUE(read.lines.empty());

    read = {};
    EXPECT_EQ(Parse(std::string("Title\r\n7\0\r\n-20\r\n", 16), read),
              "Listenindex außerhalb des zulässigen Bereichs");
    EXPECT_EQ(read.font.color, 7u); // the text ends at the NUL
    EXPECT_EQ(read.font.height, 2);
}

TEST(ParseCreditMessage, ANumberThatDoesNotConvertFailsWithTheConversionError)
{
    Settings read;
    EXPECT_EQ(Parse(Lines({"Title", "7", "big", "Arial", "12", "0101", "128", "3"}), read),
              "'big' ist kein gültiger Integerwert");
    EXPECT_EQ(read.font.color, 7u);
    EXPECT_EQ(read.font.height, 2);
    EXPECT_EQ(Parse(Lines({"Title", "", "-20", "Arial", "12", "0101", "128", "3"}), read),
              "'' ist kein gültiger Integerwert");
}

TEST(ParseCreditMessage, ReadsOnlyTheFirst65527Bytes)
{
    Settings read;
    EXPECT_EQ(Parse(kEightLines + std::string(70000, 'A'), read), "");
    ASSERT_EQ(read.lines.size(), 1u);
    EXPECT_EQ(kEightLines.size() + read.lines[0].size(), 65527u);
}
