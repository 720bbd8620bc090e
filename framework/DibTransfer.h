#pragma once
// Bitmaps in device-independent form: what the clipboard's CF_DIB holds,
// and exact copies of DIB sections.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "framework/Handles.h"

// Header, colour table and pixel rows of the bitmap at its own depth; the
// palette gives the colours of a device-dependent bitmap. Empty on failure.
UniqueGlobal PackedDibOf(HBITMAP bitmap, HPALETTE palette);

// A DIB section of the same format with the same pixels.
HBITMAP DuplicateDibSection(HBITMAP bitmap, const DIBSECTION& section);

// A DIB section, and a palette when there is a colour table, from an
// uncompressed packed DIB of another program; false when the data does not
// hold what its header claims.
bool BitmapFromPackedDib(const std::uint8_t* dib, std::size_t size, UniqueBitmap& bitmap, UniquePalette& palette);
