#pragma once
// A font description as the framework's controls keep it; the window-system
// font is made from it when needed.
#include <windows.h>

#include <string>

#include "framework/Graphics.h"

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;
enum TFontPitch { fpDefault, fpVariable, fpFixed };

struct TFont {
    std::string Name = "MS Sans Serif";
    // Negative: character height in pixels; positive: cell height.
    int Height = -11;
    COLORREF Color = clBlack;
    TFontStyles Style = 0;
    TFontPitch Pitch = fpDefault;

    // The logical font with the window system's defaults for the rest.
    LOGFONTA LogFont() const;
    UniqueFont CreateHandle() const;

    friend bool operator==(const TFont&, const TFont&) = default;
};

// DEFAULT_PITCH, VARIABLE_PITCH or FIXED_PITCH.
BYTE PitchFlag(TFontPitch pitch);
