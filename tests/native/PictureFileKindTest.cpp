#include "framework/PictureFileKind.h"

#include <gtest/gtest.h>

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
