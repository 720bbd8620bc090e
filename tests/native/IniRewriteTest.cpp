#include "system/IniRewrite.h"

#include <gtest/gtest.h>

// Any case in section and key; CR LF, CR or LF alone end a line; every other byte stays.
TEST(IniRewrite, DropsOnlyTheKeysLinesOfThatSection)
{
    const std::pair<std::string, const char*> cases[] = {  // nullptr: unchanged
        {"; comment\n[windows]\r\nBMP=keep\r\n\r\n[Extensions]\rBMP=C:\\APPS\\LUMSC32.EXE ^.BMP\nGIF=other ^.GIF\r\n"
         "bmp=lower\r\nBmPx=similar\r\nBMP =blank before\r\n\xC3\xA9t\xC3\xA9=z\r\n\r\n[Other]\r\nBMP=keep too\r\n"
         "[EXTENSIONS]\nBMP=last line without end",
         "; comment\n[windows]\r\nBMP=keep\r\n\r\n[Extensions]\rGIF=other ^.GIF\r\n"
         "BmPx=similar\r\nBMP =blank before\r\n\xC3\xA9t\xC3\xA9=z\r\n\r\n[Other]\r\nBMP=keep too\r\n[EXTENSIONS]\n"},
        // The line ending a section is not taken for its header.
        {"[Extensions]\r\nBMP=1\r\n[Extensions]\r\nBMP=2\r\n\r\n[Extensions]\r\nBMP=3\r\n",
         "[Extensions]\r\n[Extensions]\r\nBMP=2\r\n\r\n[Extensions]\r\n"},
        // Nothing to remove: another key or header, an empty line or a new section before the key.
        {"", nullptr}, {"GIF=1\r\n[Extensions]\r\nGIF=2", nullptr}, {"[Extensions] \r\nBMP=x\r\n", nullptr},
        {"[Extensions]\r\n\r\nBMP=x\r\n", nullptr}, {"[Extensions]\r\n[Next]\r\nBMP=x\r\n", nullptr},
    };
    for (const auto& [text, rewritten] : cases) {
        const IniRewrite result = RemoveIniKeyLines(text, "extensions", "bmp");
        EXPECT_EQ(result.text, rewritten ? rewritten : text) << text;
        EXPECT_EQ(result.removed, rewritten != nullptr) << text;
    }
}
