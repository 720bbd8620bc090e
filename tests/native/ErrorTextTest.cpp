#include "framework/ErrorText.h"

#include <gtest/gtest.h>

#include "framework/Exceptions.h"

// The texts with other placeholders are checked where the message files are read.
TEST(ErrorTexts, GiveTheGermanTextForEachKnownCodeAndFillInTheirPlaceholders)
{
    EXPECT_EQ(InOutErrorText(2), "Datei nicht gefunden");
    EXPECT_EQ(InOutErrorText(3), "Ungültiger Dateiname");
    EXPECT_EQ(InOutErrorText(4), "Zu viele Dateien geöffnet");
    const EInOutError error(5);
    EXPECT_EQ(error.ErrorCode(), 5);
    EXPECT_STREQ(error.what(), "Dateizugriff verweigert");
    EXPECT_EQ(InOutErrorText(100), "Lesen nach Dateiende (EOF)");
    EXPECT_EQ(InOutErrorText(101), "Kapazität der Diskette/Festplatte erschöpft");
    EXPECT_EQ(InOutErrorText(106), "Ungültige numerische Eingabe");
    EXPECT_EQ(InOutErrorText(21), "I/O-Fehler 21");
    EXPECT_EQ(InvalidFileNameText("X.BMP"), "Ungültiger Dateiname - X.BMP");
    EXPECT_EQ(UnknownPictureExtensionText("XYZ"), "Unbekannte Bilddateierweiterung (.XYZ)");
}

TEST(WithFinalPeriod, AddsAPeriodUnlessOneEndsTheMessage)
{
    for (const auto& [message, ended] : {std::pair{"Datei nicht gefunden", "Datei nicht gefunden."},
                                         {"Done.", "Done."}, {"Error !", "Error !."}, {"", "."}})
        EXPECT_EQ(WithFinalPeriod(message), ended) << message;
}
