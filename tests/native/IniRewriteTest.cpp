#include "system/IniRewrite.h"

#include <gtest/gtest.h>

TEST(IniRewrite, DropsOnlyTheKeysLinesOfThatSectionInAnyCase)
{
    const std::string text = "[windows]\r\nBMP=keep\r\n\r\n"
                             "[Extensions]\r\nBMP=C:\\APPS\\LUMSC32.EXE ^.BMP\r\nGIF=other ^.GIF\r\n"
                             "bmp=lower\r\nBmPx=similar\r\nBMP =blank before\r\n\r\n"
                             "[Other]\r\nBMP=keep too\r\n";
    IniRewrite result = RemoveIniKeyLines(text, "Extensions", "bmp");
    EXPECT_TRUE(result.removed);
    EXPECT_EQ(result.text, "[windows]\r\nBMP=keep\r\n\r\n"
                           "[Extensions]\r\nGIF=other ^.GIF\r\n"
                           "BmPx=similar\r\nBMP =blank before\r\n\r\n"
                           "[Other]\r\nBMP=keep too\r\n");
    EXPECT_EQ(RemoveIniKeyLines("[extensions]\nBMP=x\n", "EXTENSIONS", "BMP").text, "[extensions]\n");
}

TEST(IniRewrite, KeepsEveryOtherByteIncludingOddLineEnds)
{
    const std::string text = "; comment\n[Extensions]\rBMP=x\rJPG=y\n\x01\xC3\xA9t\xC3\xA9=z\r\n"
                             "BMP=last line without end";
    IniRewrite result = RemoveIniKeyLines(text, "Extensions", "BMP");
    EXPECT_TRUE(result.removed);
    EXPECT_EQ(result.text, "; comment\n[Extensions]\rJPG=y\n\x01\xC3\xA9t\xC3\xA9=z\r\n");
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
    for (const char* text : {"", "\r\n", "[Extensions]", "[Extensions]\r\n", "GIF=1\r\n[Extensions]\r\nGIF=2",
                             "[Extensions] \r\nBMP=x\r\n", " [Extensions]\r\nBMP=x\r\n", "[Extension]\r\nBMP=x\r\n",
                             "Extensions\r\nBMP=x\r\n", "[Extensions]\r\n\r\nBMP=x\r\n",
                             "[Extensions]\r\n[Next]\r\nBMP=x\r\n"}) {
        IniRewrite result = RemoveIniKeyLines(text, "Extensions", "BMP");
        EXPECT_FALSE(result.removed) << text;
        EXPECT_EQ(result.text, text);
    }
}
