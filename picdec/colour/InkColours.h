#pragma once
// The colours of CMYK pictures: four inks a pixel become sRGB through the
// picture's CMYK profile, or the built-in one (DefaultCmykProfile.h) when it
// carries none, or one Little CMS cannot read, or one not of CMYK inks.

#include <cstdint>
#include <memory>
#include <span>

#include "picdec/colour/ColourSource.h"
#include "picdec/colour/LcmsHandles.h"

namespace picdec {

class InkColours {
public:
    // inverted: 255 stands for no ink (Adobe's way), else 0 does.
    InkColours(std::span<const std::uint8_t> profile, bool inverted);

    // inks: cyan, magenta, yellow and black, a byte each, for width pixels.
    void ConvertRow(const std::uint8_t* inks, std::uint32_t width, std::uint8_t* bgr) const;

private:
    std::shared_ptr<void> transform_;  // a Little CMS transform
    bool inverted_;
};

// What a CMYK picture becomes: sRGB, said outright, so that the colour
// stage takes it on to a display of other colours.
inline ColourSource InkPictureColours()
{
    ColourSource colours;
    colours.chromaticities = kSrgbChromaticities;
    return colours;
}

}  // namespace picdec
