#include "text/PathText.h"

#include <gtest/gtest.h>

#include "framework/PictureFileKind.h"
#include "text/AsciiCase.h"
#include "text/Utf8Length.h"

// The seven by their first four characters; the common names of the other
// pictures by their whole extension, each read as its format.
TEST(IsSupportedExtension, AcceptsTheSevenByTheirKeyAndTheCommonPictureNamesWhole)
{
    for (const auto& [name, supported, pictureKey] :
         {std::tuple{"A.JPG", true, ".JPG"}, {"a.bmp", true, ".BMP"}, {"X.GIF", true, ".GIF"}, {"x.wmf", true, ".WMF"},
          {"C:\\ICONS\\APP.ICO", true, ".ICO"}, {"scan.pcx", true, ".PCX"}, {"photo.tiff", true, ".TIF"},
          {"C:.BMP", true, ".BMP"}, {"PHOTO.JPEG", true, ".JPG"}, {"c:\\dir.x\\photo.jpe", true, ".JPG"},
          {"Photo.Jfif", true, ".JPG"}, {"PHOTO.png", true, ".PNG"}, {"a.WebP", true, ".WEBP"},
          {"IMG_0001.HEIC", true, ".HEIF"}, {"a.heif", true, ".HEIF"}, {"web.avif", true, ".AVIF"}, {"art.Jxl", true, ".JXL"}, {"photo.pngx", false, ".PNG"},
          {"clip.avi", false, ".AVI"}, {"photo.jpegx", false, ".JPE"}, {"", false, ""},
          {"C:\\PICS.OLD\\README", false, ""}, {"-U", false, ""}}) {
        EXPECT_EQ(IsSupportedExtension(name), supported) << name;
        EXPECT_EQ(PictureKey(name), pictureKey) << name;
    }
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

TEST(LongAndNetworkPaths, LoseTheLongPathPrefixAndTellANetworkPathFromADevicePath)
{
    for (const auto& [path, plain, network] :
         {std::tuple{"\\\\?\\C:\\PICS\\A.BMP", "C:\\PICS\\A.BMP", false},
          {"\\\\?\\unc\\server\\share\\A.BMP", "\\\\server\\share\\A.BMP", false},
          {"\\\\server\\share\\A.BMP", "\\\\server\\share\\A.BMP", true},
          {"\\\\.\\PIPE\\X", "\\\\.\\PIPE\\X", false}, {"\\\\?\\Volume{1}\\A", "\\\\?\\Volume{1}\\A", false},
          {"C:\\PICS", "C:\\PICS", false}}) {
        EXPECT_EQ(WithoutLongPathPrefix(path), plain) << path;
        EXPECT_EQ(IsUncPath(path), network) << path;
    }
}

TEST(CutToUtf16Length, CountsCharactersAsTheSystemDoesAndNeverCutsOne)
{
    const std::string cjk = "\xE6\x97\xA5";        // one unit, three bytes
    const std::string emoji = "\xF0\x9F\x93\xB7";  // two units, four bytes
    for (const auto& [text, limit, cut] :
         {std::tuple{cjk + cjk + cjk, 2, cjk + cjk}, {"a" + emoji + "b", 2, std::string("a")},
          {"a" + emoji + "b", 3, "a" + emoji}, {std::string("\xE6\x97") + "x", 2, std::string("\xE6\x97")},
          {std::string(300, 'a'), 255, std::string(255, 'a')}})
        EXPECT_EQ(CutToUtf16Length(text, limit), cut) << text << " to " << limit;
}

TEST(ShortenPath, ReplacesLeadingDirectoriesWithDotsAsFarAsThatHelps)
{
    for (const auto& [path, maximum, shortened] :
         {std::tuple{"C:\\PROGRAMS\\PICTURES\\HOLIDAY\\SUMMER\\BEACH", 30, "C:\\...\\HOLIDAY\\SUMMER\\BEACH"},
          {"C:\\DATA\\VERYLONGDIRECTORYNAMEOVERTHIRTY", 30, "C:\\...\\VERYLONGDIRECTORYNAMEOVERTHIRTY"},
          {"C:\\WINDOWS\\DESKTOP", 30, "C:\\WINDOWS\\DESKTOP"}, {"NOBACKSLASHATALLINTHISVERYLONGNAME", 30, nullptr},
          {"C:\\A\\B\\C\\D", 0, "C:\\...\\D"}, {"C:\\A\\B", 3, nullptr}})  // nullptr: unchanged
        EXPECT_EQ(ShortenPath(path, maximum), shortened ? shortened : path) << path << " to " << maximum;
}

TEST(AsciiCase, ChangesOnlyTheLettersAToZ)
{
    EXPECT_EQ(UpperAscii("az AZ@[`{ été_日本.jpg"), "AZ AZ@[`{ éTé_日本.JPG");
    EXPECT_EQ(LowerAscii("AZ az@[`{ ÉTÉ_日本.JPG"), "az az@[`{ ÉtÉ_日本.jpg");
}

TEST(PictureKindOf, GoesByTheWholeExtensionInAnyCase)
{
    using enum PictureFileKind;
    for (const auto& [name, kind, extension] : {std::tuple{"C:\\ICONS\\APP.ICO", Icon, "ico"}, {"logo.Wmf", Metafile, "wmf"},
                                                {"chart.emf", Metafile, "emf"}, {"C:\\ICONS\\APP.ICON", Unknown, "icon"},
                                                {"C:\\DIR.ICO\\README", Unknown, ""}}) {
        EXPECT_EQ(PictureKindOf(name), kind) << name;
        EXPECT_EQ(RealExtension(name), extension) << name;
    }
}
