#include "system/IniRewrite.h"

#include <gtest/gtest.h>

// Any case in section and key; CR LF, CR or LF alone end a line; every other byte stays.
TEST(IniRewrite, DropsOnlyTheKeysLinesOfThatSection)
{
    const std::string text = "; comment\n[windows]\r\nBMP=keep\r\n\r\n"
                             "[Extensions]\rBMP=C:\\APPS\\LUMSC32.EXE ^.BMP\nGIF=other ^.GIF\r\nbmp=lower\r\n"
                             "BmPx=similar\r\nBMP =blank before\r\n\xC3\xA9t\xC3\xA9=z\r\n\r\n"
                             "[Other]\r\nBMP=keep too\r\n[extensions]\nBMP=last line without end";
    IniRewrite result = RemoveIniKeyLines(text, "EXTENSIONS", "bmp");
    EXPECT_TRUE(result.removed);
    EXPECT_EQ(result.text, "; comment\n[windows]\r\nBMP=keep\r\n\r\n"
                           "[Extensions]\rGIF=other ^.GIF\r\n"
                           "BmPx=similar\r\nBMP =blank before\r\n\xC3\xA9t\xC3\xA9=z\r\n\r\n"
                           "[Other]\r\nBMP=keep too\r\n[extensions]\n");
}

TEST(IniRewrite, TheLineEndingASectionIsNotTakenForItsHeader)
{
    const std::string text = "[Extensions]\r\nBMP=1\r\n[Extensions]\r\nBMP=2\r\n\r\n[Extensions]\r\nBMP=3\r\n";
    EXPECT_EQ(RemoveIniKeyLines(text, "Extensions", "BMP").text,
              "[Extensions]\r\n[Extensions]\r\nBMP=2\r\n\r\n[Extensions]\r\n");
}

// No key of that section: another header, an empty line or a new section before the key.
TEST(IniRewrite, NothingToRemoveLeavesTheTextAlone)
{
    for (const char* text : {"", "GIF=1\r\n[Extensions]\r\nGIF=2", "[Extensions] \r\nBMP=x\r\n",
                             "[Extensions]\r\n\r\nBMP=x\r\n", "[Extensions]\r\n[Next]\r\nBMP=x\r\n"}) {
        IniRewrite result = RemoveIniKeyLines(text, "Extensions", "BMP");
        EXPECT_FALSE(result.removed) << text;
        EXPECT_EQ(result.text, text);
    }
}
