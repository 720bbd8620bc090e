#include "text/PathText.h"

#include <gtest/gtest.h>

TEST(IsSupportedExtension, AcceptsTheSevenExtensionsInAnyCase)
{
    for (const char* name : {"A.JPG", "a.bmp", "photo.Bmp", "X.GIF", "x.wmf", "C:\\ICONS\\APP.ICO", "scan.pcx",
                             "C:\\PICS\\FAX.TIF"})
        EXPECT_TRUE(IsSupportedExtension(name)) << name;
}

TEST(IsSupportedExtension, ComparesOnlyTheFirstFourCharactersOfTheExtension)
{
    EXPECT_TRUE(IsSupportedExtension("photo.tiff"));
    EXPECT_TRUE(IsSupportedExtension("PHOTO.JPGX"));
    EXPECT_FALSE(IsSupportedExtension("PHOTO.JPEG"));
    EXPECT_FALSE(IsSupportedExtension("PHOTO.JP"));
    EXPECT_FALSE(IsSupportedExtension("PHOTO.PNG"));
}

TEST(IsSupportedExtension, RejectsNamesWithoutAnExtensionOfTheirOwn)
{
    EXPECT_FALSE(IsSupportedExtension(""));
    EXPECT_FALSE(IsSupportedExtension("README"));
    EXPECT_FALSE(IsSupportedExtension("C:\\PICS.OLD\\README"));
    EXPECT_FALSE(IsSupportedExtension("C:.BMP\\X"));
    EXPECT_FALSE(IsSupportedExtension("-U"));
    EXPECT_FALSE(IsSupportedExtension("."));
    EXPECT_TRUE(IsSupportedExtension("C:.BMP"));
}

TEST(ExtensionKey, IsUpperCaseDotIncludedAndCutToFourCharacters)
{
    EXPECT_EQ(ExtensionKey("c:\\dir.x\\photo.jpeg"), ".JPE");
    EXPECT_EQ(ExtensionKey("archive.tar.gz"), ".GZ");
    EXPECT_EQ(ExtensionKey("name."), ".");
    EXPECT_EQ(ExtensionKey("été.bmp"), ".BMP");
    EXPECT_EQ(ExtensionKey("x.\xc3\xa9t\xc3\xa9"), ".\xc3\xa9T");  // only a to z change case
}

TEST(PathParts, SplitAtTheLastBackslashOrColon)
{
    EXPECT_EQ(DirectoryPart("C:\\PICS\\HOUSE.BMP"), "C:\\PICS\\");
    EXPECT_EQ(FileNamePart("C:\\PICS\\HOUSE.BMP"), "HOUSE.BMP");
    EXPECT_EQ(DirectoryPart("C:HOUSE.BMP"), "C:");
    EXPECT_EQ(FileNamePart("C:HOUSE.BMP"), "HOUSE.BMP");
    EXPECT_EQ(DirectoryPart("HOUSE.BMP"), "");
    EXPECT_EQ(FileNamePart("HOUSE.BMP"), "HOUSE.BMP");
}

TEST(PathParts, JoinAddsNoSecondBackslashAtARoot)
{
    EXPECT_EQ(JoinPath("C:\\", "HOUSE.BMP"), "C:\\HOUSE.BMP");
    EXPECT_EQ(JoinPath("C:\\PICS", "HOUSE.BMP"), "C:\\PICS\\HOUSE.BMP");
}

TEST(ShortenPath, ReplacesLeadingDirectoriesWithDots)
{
    EXPECT_EQ(ShortenPath("C:\\PROGRAMS\\PICTURES\\HOLIDAY\\SUMMER\\BEACH", 30), "C:\\...\\HOLIDAY\\SUMMER\\BEACH");
    EXPECT_EQ(ShortenPath("D:\\PHOTOS\\1996\\ALBUM-ONE\\SCANS\\HIGHRES", 30), "D:\\...\\ALBUM-ONE\\SCANS\\HIGHRES");
}

TEST(ShortenPath, KeepsPathsThatAreShortOrCannotGetShorter)
{
    EXPECT_EQ(ShortenPath("C:\\WINDOWS\\DESKTOP", 30), "C:\\WINDOWS\\DESKTOP");
    EXPECT_EQ(ShortenPath("C:\\VERYLONGDIRECTORYNAMEOVERTHIRTYCHARS", 30), "C:\\VERYLONGDIRECTORYNAMEOVERTHIRTYCHARS");
    EXPECT_EQ(ShortenPath("NOBACKSLASHATALLINTHISVERYLONGNAME", 30), "NOBACKSLASHATALLINTHISVERYLONGNAME");
    EXPECT_EQ(ShortenPath("", 30), "");
}

TEST(ShortenPath, MayStayLongerThanTheMaximum)
{
    EXPECT_EQ(ShortenPath("C:\\DATA\\VERYLONGDIRECTORYNAMEOVERTHIRTY", 30), "C:\\...\\VERYLONGDIRECTORYNAMEOVERTHIRTY");
}

TEST(ShortenPath, HandlesTinyMaximums)
{
    EXPECT_EQ(ShortenPath("C:\\A\\B\\C\\D", 0), "C:\\...\\D");
    EXPECT_EQ(ShortenPath("C:\\A\\B", 3), "C:\\A\\B");
}
