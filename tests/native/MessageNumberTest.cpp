#include "imagelib/IntegerText.h"

#include <gtest/gtest.h>

#include "framework/Exceptions.h"

// The conversion error's text is checked where the message files are read.
TEST(StrToInt, ReadsDecimalAndDollarHexadecimalAndRefusesAnythingElse)
{
    for (const auto& [text, value] : {std::pair<const char*, std::int32_t>{"  +7", 7}, {"-20", -20}, {"$ff00", 65280},
                                      {"-$10", -16}, {"$FFFFFFFF", -1}, {"$0000000080", 128},
                                      {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}})
        EXPECT_EQ(StrToInt(text), value) << text;
    for (const char* text : {"", "12 ", "\t5", "1a", "$", "$G", "-", "+-1", "2147483648", "-2147483649", "$100000000"})
        EXPECT_THROW(StrToInt(text), EConvertError) << text;
}
