#pragma once
// Makes the decoded picture's bitmap: a DIB section, plus a palette for
// pictures of 256 colours or fewer. Both handles pass to the caller.
#include <windows.h>

#include "picdec/dll/DllHandles.h"
#include "picdec/BitmapSink.h"

class DibSectionSink : public picdec::BitmapSink {
public:
    picdec::DibView CreateBitmap(std::uint32_t width, std::uint32_t height, int bitsPerPixel,
                                 const picdec::Palette& palette) override;

    HBITMAP ReleaseBitmap() { return bitmap_.release(); }
    HPALETTE ReleasePalette() { return palette_.release(); }

private:
    UniqueBitmap bitmap_;
    UniquePalette palette_;
};
