#pragma once
// The small pictures before drive and file entries: bitmap resources of the
// program, drawn transparently.
#include <windows.h>

#include "framework/Handles.h"

UniqueBitmap LoadGlyph(const char* resourceName);
SIZE GlyphSize(HBITMAP glyph);

// Draws the glyph with its top-left corner at (left, top); the colour of its
// bottom-left pixel is left out.
void DrawGlyphTransparent(HDC dc, HBITMAP glyph, int left, int top);
