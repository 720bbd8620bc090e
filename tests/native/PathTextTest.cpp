#include "text/PathText.h"

#include <gtest/gtest.h>

TEST(IsSupportedExtension, AcceptsTheSevenExtensionsInAnyCaseByTheirFirstFourCharacters)
{
    for (const char* name : {"A.JPG", "a.bmp", "photo.Bmp", "X.GIF", "x.wmf", "C:\\ICONS\\APP.ICO", "scan.pcx",
                             "C:\\PICS\\FAX.TIF", "photo.tiff", "PHOTO.JPGX", "C:.BMP"})
        EXPECT_TRUE(IsSupportedExtension(name)) << name;
    for (const char* name : {"PHOTO.JPEG", "PHOTO.JP", "PHOTO.PNG", "", "README", "C:\\PICS.OLD\\README", "C:.BMP\\X",
                             "-U", "."})
        EXPECT_FALSE(IsSupportedExtension(name)) << name;
}

TEST(ExtensionKey, IsUpperCaseDotIncludedAndCutToFourCharacters)
{
    EXPECT_EQ(ExtensionKey("c:\\dir.x\\photo.jpeg"), ".JPE");
    EXPECT_EQ(ExtensionKey("archive.tar.gz"), ".GZ");
    EXPECT_EQ(ExtensionKey("name."), ".");
    EXPECT_EQ(ExtensionKey("été.bmp"), ".BMP");
    EXPECT_EQ(ExtensionKey("x.\xc3\xa9t\xc3\xa9"), ".\xc3\xa9T");  // only a to z change case
}

TEST(PathParts, SplitAtTheLastBackslashOrColonAndJoinWithoutASecondBackslash)
{
    for (const auto& [path, directory, name] : {std::tuple{"C:\\PICS\\HOUSE.BMP", "C:\\PICS\\", "HOUSE.BMP"},
                                                {"C:HOUSE.BMP", "C:", "HOUSE.BMP"}, {"HOUSE.BMP", "", "HOUSE.BMP"}}) {
        EXPECT_EQ(DirectoryPart(path), directory) << path;
        EXPECT_EQ(FileNamePart(path), name) << path;
    }
    EXPECT_EQ(JoinPath("C:\\", "HOUSE.BMP"), "C:\\HOUSE.BMP");
    EXPECT_EQ(JoinPath("C:\\PICS", "HOUSE.BMP"), "C:\\PICS\\HOUSE.BMP");
}

TEST(ShortenPath, ReplacesLeadingDirectoriesWithDotsAsFarAsThatHelps)
{
    struct Case { const char* path; int maximum; const char* shortened; };
    for (const Case& c : {
             Case{"C:\\PROGRAMS\\PICTURES\\HOLIDAY\\SUMMER\\BEACH", 30, "C:\\...\\HOLIDAY\\SUMMER\\BEACH"},
             Case{"D:\\PHOTOS\\1996\\ALBUM-ONE\\SCANS\\HIGHRES", 30, "D:\\...\\ALBUM-ONE\\SCANS\\HIGHRES"},
             Case{"C:\\WINDOWS\\DESKTOP", 30, "C:\\WINDOWS\\DESKTOP"},  // short enough
             Case{"C:\\VERYLONGDIRECTORYNAMEOVERTHIRTYCHARS", 30, "C:\\VERYLONGDIRECTORYNAMEOVERTHIRTYCHARS"},
             Case{"NOBACKSLASHATALLINTHISVERYLONGNAME", 30, "NOBACKSLASHATALLINTHISVERYLONGNAME"}, Case{"", 30, ""},
             Case{"C:\\DATA\\VERYLONGDIRECTORYNAMEOVERTHIRTY", 30, "C:\\...\\VERYLONGDIRECTORYNAMEOVERTHIRTY"},
             Case{"C:\\A\\B\\C\\D", 0, "C:\\...\\D"}, Case{"C:\\A\\B", 3, "C:\\A\\B"},
         })
        EXPECT_EQ(ShortenPath(c.path, c.maximum), c.shortened) << c.path << " to " << c.maximum;
}
