#pragma once
// Writes rows of a Samples page (see TiffLayout.h) into the target: grey
// without alpha as 8-bit levels, everything else as blue-green-red with the
// alpha composed on white.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "picdec/DibView.h"
#include "picdec/colour/InkColours.h"
#include "picdec/formats/TiffLayout.h"
#include "picdec/formats/TiffSamples.h"

namespace picdec {

// A premultiplied value already holds its share of the colour; white fills
// the rest.
inline std::uint8_t OnWhitePremultiplied(std::uint8_t value, std::uint8_t alpha)
{
    return static_cast<std::uint8_t>(std::min(255, value + 255 - alpha));
}

class TiffPixelWriter {
public:
    // profile: the page's, for CMYK inks (see InkColours.h).
    TiffPixelWriter(const TiffLayout& layout, const DibView& target, const IccProfile& profile);

    void operator()(std::uint32_t y, const std::uint8_t* const* planes);

private:
    struct Where {
        const std::uint8_t* row;
        std::size_t index;
    };
    Where Locate(const std::uint8_t* const* planes, std::uint32_t x, int sample) const;
    std::uint8_t Level(const std::uint8_t* const* planes, std::uint32_t x, int sample) const;
    Colour ColourAt(const std::uint8_t* const* planes, std::uint32_t x) const;
    Colour LabAt(const std::uint8_t* const* planes, std::uint32_t x) const;
    void WriteInks(const std::uint8_t* const* planes, std::uint8_t* row);
    void ComposeOnWhite(const std::uint8_t* const* planes, std::uint8_t* row) const;

    const TiffLayout& layout_;
    const DibView& target_;
    TiffSamples samples_;
    std::optional<InkColours> inkColours_;
    std::vector<std::uint8_t> inks_;
};

}  // namespace picdec
