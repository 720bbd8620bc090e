#pragma once
// Pictures drawn smaller than they are: area averaged (picture/AreaAverage.h)
// rather than thinned out by dropping rows and columns.
#include <windows.h>

// The bitmap shrunk to width x height (neither larger than its own size) as
// a new 24- or 32-bit DIB section; null when it cannot be read. The pixels
// of 24- and 32-bit DIB sections are read in place and those of any other
// bitmap converted a band of rows at a time, so no second copy of the whole
// picture is ever made.
HBITMAP ShrinkBitmap(HBITMAP bitmap, int width, int height);
