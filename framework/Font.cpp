#include "framework/Font.h"

BYTE PitchFlag(TFontPitch pitch)
{
    switch (pitch) {
    case fpVariable: return VARIABLE_PITCH;
    case fpFixed: return FIXED_PITCH;
    default: return DEFAULT_PITCH;
    }
}

LOGFONTA TFont::LogFont() const
{
    LOGFONTA font{};
    font.lfHeight = Height;
    font.lfWeight = (Style & fsBold) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = (Style & fsItalic) ? TRUE : FALSE;
    font.lfUnderline = (Style & fsUnderline) ? TRUE : FALSE;
    font.lfStrikeOut = (Style & fsStrikeOut) ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfPitchAndFamily = PitchFlag(Pitch);
    Name.copy(font.lfFaceName, LF_FACESIZE - 1);
    return font;
}

UniqueFont TFont::CreateHandle() const
{
    LOGFONTA font = LogFont();
    return UniqueFont(::CreateFontIndirectA(&font));
}
