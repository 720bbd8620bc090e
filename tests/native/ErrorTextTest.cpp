#include "framework/ErrorText.h"

#include <gtest/gtest.h>

#include "framework/Exceptions.h"

TEST(InOutErrorText, GivesTheGermanTextForEachKnownCode)
{
    EXPECT_EQ(InOutErrorText(2), "Datei nicht gefunden");
    EXPECT_EQ(InOutErrorText(3), "Ungültiger Dateiname");
    EXPECT_EQ(InOutErrorText(4), "Zu viele Dateien geöffnet");
    EXPECT_EQ(InOutErrorText(5), "Dateizugriff verweigert");
    EXPECT_EQ(InOutErrorText(100), "Lesen nach Dateiende (EOF)");
    EXPECT_EQ(InOutErrorText(101), "Kapazität der Diskette/Festplatte erschöpft");
    EXPECT_EQ(InOutErrorText(106), "Ungültige numerische Eingabe");
    EXPECT_EQ(InOutErrorText(21), "I/O-Fehler 21");
    EXPECT_EQ(InOutErrorText(0), "I/O-Fehler 0");
}

TEST(EInOutError, CarriesItsCodeAndMessage)
{
    EInOutError error(5);
    EXPECT_EQ(error.ErrorCode(), 5);
    EXPECT_STREQ(error.what(), "Dateizugriff verweigert");
}

TEST(FrameworkErrorTexts, FillInTheirPlaceholders)
{
    EXPECT_EQ(InvalidFileNameText("X.BMP"), "Ungültiger Dateiname - X.BMP");
    EXPECT_EQ(UnknownPictureExtensionText("XYZ"), "Unbekannte Bilddateierweiterung (.XYZ)");
    EXPECT_EQ(InvalidIntegerText("1a"), "'1a' ist kein gültiger Integerwert");
    EXPECT_EQ(CannotOpenFileText("A.SCM"), "Kann Datei A.SCM nicht öffnen");
    EXPECT_EQ(ListIndexOutOfBoundsText(), "Listenindex außerhalb des zulässigen Bereichs");
}

TEST(WithFinalPeriod, AddsAPeriodUnlessOneEndsTheMessage)
{
    EXPECT_EQ(WithFinalPeriod("Datei nicht gefunden"), "Datei nicht gefunden.");
    EXPECT_EQ(WithFinalPeriod("Done."), "Done.");
    EXPECT_EQ(WithFinalPeriod("Error occured while deleting file !"), "Error occured while deleting file !.");
    EXPECT_EQ(WithFinalPeriod(""), ".");
}
