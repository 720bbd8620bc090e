#include "imagelib/IntegerText.h"

#include <gtest/gtest.h>

#include "framework/Exceptions.h"

TEST(StrToInt, ReadsDecimalAndDollarHexadecimal)
{
    const std::pair<const char*, std::int32_t> cases[] = {
        {"65280", 65280},         {"  +7", 7},     {"-20", -20},         {"007", 7},
        {"$FF", 255},             {"$ff00", 65280}, {"-$10", -16},        {"$FFFFFFFF", -1},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}, {"$0000000080", 128},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(StrToInt(text), value) << text;
}

TEST(StrToInt, RefusesAnythingElseWithTheConversionError)
{
    for (const char* text : {"", " ", "12 ", "\t5", "1a", "0x10", "$", "$G", "-", "+-1", "- 1", "2147483648",
                             "-2147483649", "$100000000", "65280\r\n"}) {
        EXPECT_THROW(StrToInt(text), EConvertError) << text;
    }
    try {
        StrToInt(" fast");
        FAIL();
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), "' fast' ist kein gültiger Integerwert");
    }
}
