#include "framework/PictureFileKind.h"

#include <gtest/gtest.h>

TEST(PictureKindOf, GoesByTheWholeExtensionInAnyCase)
{
    struct Case { const char* name; PictureFileKind kind; const char* extension; };
    for (const Case& c : {Case{"C:\\ICONS\\APP.ICO", PictureFileKind::Icon, "ico"},
                          Case{"logo.Wmf", PictureFileKind::Metafile, "wmf"},
                          Case{"chart.emf", PictureFileKind::Metafile, "emf"},
                          Case{"C:\\ICONS\\APP.ICON", PictureFileKind::Unknown, "icon"},
                          Case{"C:\\DIR.ICO\\README", PictureFileKind::Unknown, ""}}) {
        EXPECT_EQ(PictureKindOf(c.name), c.kind) << c.name;
        EXPECT_EQ(RealExtension(c.name), c.extension) << c.name;
    }
}
