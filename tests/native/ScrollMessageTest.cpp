#include "imagelib/ScrollMessageFile.h"

#include <gtest/gtest.h>

#include "framework/Exceptions.h"
#include "imagelib/ExtractBetween.h"

namespace {

// The settings a reader changes, holding values no file below gives.
struct Settings {
    MessageFont font{.color = 1, .height = 2, .size = 3, .name = "Previous", .style = {.underline = true}};
    int speed = 5;
    std::uint32_t backColor = 4;
    std::string text = "previous";
};

Settings Parse(std::string_view bytes, Settings settings = {})
{
    ParseScrollMessage(bytes, settings.font, settings.speed, settings.backColor, settings.text);
    return settings;
}

// The conversion error's text; the settings keep what the reader made of them.
std::string FailureOf(std::string_view bytes, Settings& settings)
{
    try {
        ParseScrollMessage(bytes, settings.font, settings.speed, settings.backColor, settings.text);
    } catch (const EConvertError& error) {
        return error.what();
    }
    return "no error";
}

constexpr FontStyle kBold{.bold = true};

} // namespace

TEST(ExtractBetween, TakesEachCodeAtItsFirstOccurrenceInTheWholeText)
{
    struct Case {
        const char* text;
        bool found;
        const char* value;
    };
    const Case cases[] = {
        {"/a|x y/b|", true, "x y"}, {"/a|1/b|2/b|", true, "1"}, {"/a|/b|", true, ""},  {"/b|/a|x/b|", true, ""},
        {"/a|x", false, ""},        {"x/b|", false, ""},        {"", false, ""},
    };
    for (const Case& c : cases) {
        std::string value = "old";
        EXPECT_EQ(ExtractBetween(c.text, "/a|", "/b|", value), c.found) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(ParseScrollMessage, ReadsTheEightValuesBetweenTheirCodes)
{
    Settings read = Parse("/fc|65280/fh|-20/fn|Arial/fs|/ft|1100/bc|0/sp|3/sm|Hello/eo|");
    EXPECT_EQ(read.font.color, 65280u);
    EXPECT_EQ(read.font.height, -20);
    EXPECT_FALSE(read.font.size); // the height decides
    EXPECT_EQ(read.font.name, "Arial");
    EXPECT_EQ(read.font.style, (FontStyle{.bold = true, .italic = true}));
    EXPECT_EQ(read.backColor, 0u);
    EXPECT_EQ(read.speed, 3);
    EXPECT_EQ(read.text, "Hello");

    read = Parse("/fc|$FF/fh|-20/fn|" + std::string(300, 'N') + "/fs|12/ft|0011/bc|$FFFFFF/sp|0/sm|a /fh| b\r\nc/eo|");
    EXPECT_EQ(read.font.color, 255u);
    EXPECT_EQ(read.font.size, 12);
    EXPECT_EQ(read.font.name, std::string(255, 'N'));
    EXPECT_EQ(read.font.style, (FontStyle{.underline = true, .strikeOut = true}));
    EXPECT_EQ(read.backColor, 0xFFFFFFu);
    EXPECT_EQ(read.text, "a /fh| b\r\nc");
}

TEST(ParseScrollMessage, MissingCodesGiveTheDefaults)
{
    Settings read = Parse("no codes at all");
    EXPECT_EQ(read.font.color, 255u);
    EXPECT_EQ(read.font.height, -13);
    EXPECT_FALSE(read.font.size);
    EXPECT_EQ(read.font.name, "SYSTEM");
    EXPECT_EQ(read.font.style, kBold);
    EXPECT_EQ(read.backColor, 128u);
    EXPECT_EQ(read.speed, 1);
    EXPECT_EQ(read.text, " Invallid message format ! ");

    read = Parse("/fc|7/fh|-20/fs|/ft|01/bc|0/sp|3/sm|Hi/eo|"); // no "/fn|" ends the height
    EXPECT_EQ(read.font.color, 7u);
    EXPECT_EQ(read.font.height, -13);
    EXPECT_EQ(read.font.name, "SYSTEM");
    EXPECT_EQ(read.text, "Hi");

    read = Parse(std::string("/fc|9/fh|-20/fn|A\0/fs|/ft|/bc|0/sp|3/sm|x/eo|", 41)); // the text ends at the NUL
    EXPECT_EQ(read.font.height, -20);
    EXPECT_EQ(read.font.name, "SYSTEM");
    EXPECT_EQ(read.text, " Invallid message format ! ");
}

TEST(ParseScrollMessage, EmptyValuesLeaveTheirSettingButMakeTheStylePlain)
{
    const Settings previous;
    Settings read = Parse("/fc|/fh|/fn|/fs|/ft|/bc|/sp|/sm|/eo|");
    EXPECT_EQ(read.font.color, previous.font.color);
    EXPECT_EQ(read.font.height, previous.font.height);
    EXPECT_EQ(read.font.size, previous.font.size);
    EXPECT_EQ(read.font.name, previous.font.name);
    EXPECT_EQ(read.font.style, FontStyle{});
    EXPECT_EQ(read.backColor, previous.backColor);
    EXPECT_EQ(read.speed, previous.speed);
    EXPECT_EQ(read.text, previous.text);

    read = Parse("/fh|-20/fn|Arial/fs|/ft|1/bc|0/sp|3/sm|x/eo|/fc|65280"); // the colour ends before it begins
    EXPECT_EQ(read.font.color, previous.font.color);
    EXPECT_EQ(read.font.height, -20);
}

TEST(FontStyleFromFlags, ReadsA1InEachOfTheFirstFourCharacters)
{
    const std::pair<const char*, FontStyle> cases[] = {
        {"01", {.italic = true}},   {"1", kBold},          {"0011", {.underline = true, .strikeOut = true}},
        {"0001", {.strikeOut = true}}, {"11111", {true, true, true, true}}, {"x1y", {.italic = true}}, {"", {}},
    };
    for (const auto& [flags, style] : cases)
        EXPECT_EQ(FontStyleFromFlags(flags), style) << flags;
}

TEST(ParseScrollMessage, ANumberThatDoesNotConvertStopsTheReading)
{
    Settings read;
    EXPECT_EQ(FailureOf("/fc|\r\n65280\r\n/fh|\r\n-20\r\n/fn|\r\nArial\r\n/eo|", read),
              "'\r\n65280\r\n' ist kein gültiger Integerwert");
    EXPECT_EQ(read.font.color, 1u);
    EXPECT_EQ(read.font.name, "Previous");

    read = {};
    EXPECT_EQ(FailureOf("/fc|9/fh|-20/fn|A/fs|/ft|1/bc|0/sp|fast/sm|x/eo|", read),
              "'fast' ist kein gültiger Integerwert");
    EXPECT_EQ(read.backColor, 0u);
    EXPECT_EQ(read.speed, 5);
    EXPECT_EQ(read.text, "previous");
}
