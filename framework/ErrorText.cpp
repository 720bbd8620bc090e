#include "framework/ErrorText.h"

#include "framework/Exceptions.h"

std::string InOutErrorText(int errorCode)
{
    switch (errorCode) {
    case 2: return "Datei nicht gefunden";
    case 3: return "Ungültiger Dateiname";
    case 4: return "Zu viele Dateien geöffnet";
    case 5: return "Dateizugriff verweigert";
    case 100: return "Lesen nach Dateiende (EOF)";
    case 101: return "Kapazität der Diskette/Festplatte erschöpft";
    case 106: return "Ungültige numerische Eingabe";
    default: return "I/O-Fehler " + std::to_string(errorCode);
    }
}

std::string InvalidFileNameText(const std::string& name) { return "Ungültiger Dateiname - " + name; }

std::string UnknownPictureExtensionText(const std::string& extensionWithoutDot)
{
    return "Unbekannte Bilddateierweiterung (." + extensionWithoutDot + ")";
}

std::string InvalidIntegerText(const std::string& text) { return "'" + text + "' ist kein gültiger Integerwert"; }

std::string CannotOpenFileText(const std::string& fileName) { return "Kann Datei " + fileName + " nicht öffnen"; }

std::string InvalidIconText(const std::string& fileName) { return "Ungültiges Symbol in " + fileName; }

std::string InvalidMetafileText(const std::string& fileName) { return "Ungültige Metadatei in " + fileName; }

std::string OutOfResourcesText() { return "Systemressourcen erschöpft."; }

std::string ListIndexOutOfBoundsText() { return "Listenindex außerhalb des zulässigen Bereichs"; }

std::string WithFinalPeriod(const std::string& message)
{
    if (!message.empty() && message.back() == '.')
        return message;
    return message + ".";
}

EInOutError::EInOutError(int errorCode) : Exception(InOutErrorText(errorCode)), errorCode_(errorCode) {}
