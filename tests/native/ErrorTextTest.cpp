#include "framework/ErrorText.h"

#include <gtest/gtest.h>

#include "framework/Exceptions.h"

// The texts with other placeholders are checked where the message files are read.
TEST(ErrorTexts, GiveTheGermanTextForEachKnownCodeAndFillInTheirPlaceholders)
{
    for (const auto& [code, text] :
         {std::pair{2, "Datei nicht gefunden"}, {3, "Ungültiger Dateiname"}, {4, "Zu viele Dateien geöffnet"},
          {5, "Dateizugriff verweigert"}, {100, "Lesen nach Dateiende (EOF)"}, {106, "Ungültige numerische Eingabe"},
          {101, "Kapazität der Diskette/Festplatte erschöpft"}, {21, "I/O-Fehler 21"}})
        EXPECT_EQ(InOutErrorText(code), text) << code;
    EXPECT_EQ(std::to_string(EInOutError(5).ErrorCode()) + " " + EInOutError(5).what(), "5 Dateizugriff verweigert");
    EXPECT_EQ(InvalidFileNameText("X.BMP"), "Ungültiger Dateiname - X.BMP");
    EXPECT_EQ(UnknownPictureExtensionText("XYZ"), "Unbekannte Bilddateierweiterung (.XYZ)");
}

TEST(WithFinalPeriod, AddsAPeriodUnlessOneEndsTheMessage)
{
    for (const auto& [message, ended] : {std::pair{"Datei nicht gefunden", "Datei nicht gefunden."},
                                         {"Done.", "Done."}, {"Error !", "Error !."}, {"", "."}})
        EXPECT_EQ(WithFinalPeriod(message), ended) << message;
}
