#include "picdec/formats/TiffPixels.h"

#include <algorithm>
#include <cmath>

#include "picdec/colour/LabColour.h"

namespace picdec {

namespace {

std::uint8_t Ink(std::uint8_t ink, std::uint8_t black)
{
    return static_cast<std::uint8_t>(((255 - ink) * (255 - black) + 127) / 255);
}

}  // namespace

TiffPixelWriter::TiffPixelWriter(const TiffLayout& layout, const DibView& target)
    : layout_(layout), target_(target), samples_(layout.bitsPerSample, layout.sampleFormat)
{
}

TiffPixelWriter::Where TiffPixelWriter::Locate(const std::uint8_t* const* planes, std::uint32_t x, int sample) const
{
    if (layout_.planar)
        return {planes[sample], x};
    return {planes[0], static_cast<std::size_t>(x) * static_cast<std::size_t>(layout_.samplesPerPixel) +
                           static_cast<std::size_t>(sample)};
}

std::uint8_t TiffPixelWriter::Level(const std::uint8_t* const* planes, std::uint32_t x, int sample) const
{
    const Where where = Locate(planes, x, sample);
    return samples_.Level(where.row, where.index);
}

// L* is stored unsigned over 0 to 100; a* and b* are signed, with 8 bits of
// whole units above any further bits.
Colour TiffPixelWriter::LabAt(const std::uint8_t* const* planes, std::uint32_t x) const
{
    const double fraction = std::ldexp(1.0, 8 - samples_.Bits());
    const Where l = Locate(planes, x, 0);
    const Where a = Locate(planes, x, 1);
    const Where b = Locate(planes, x, 2);
    return LabToSrgb(static_cast<double>(samples_.Raw(l.row, l.index)) * 100.0 / samples_.Maximum(),
                     static_cast<double>(samples_.Signed(a.row, a.index)) * fraction,
                     static_cast<double>(samples_.Signed(b.row, b.index)) * fraction);
}

Colour TiffPixelWriter::ColourAt(const std::uint8_t* const* planes, std::uint32_t x) const
{
    switch (layout_.photometric) {
    case PHOTOMETRIC_RGB: return Colour{Level(planes, x, 0), Level(planes, x, 1), Level(planes, x, 2)};
    case PHOTOMETRIC_SEPARATED: {
        const std::uint8_t black = Level(planes, x, 3);
        return Colour{Ink(Level(planes, x, 0), black), Ink(Level(planes, x, 1), black), Ink(Level(planes, x, 2), black)};
    }
    case PHOTOMETRIC_CIELAB: return LabAt(planes, x);
    default: {
        std::uint8_t grey = Level(planes, x, 0);
        if (layout_.photometric == PHOTOMETRIC_MINISWHITE)
            grey = static_cast<std::uint8_t>(255 - grey);
        return Colour{grey, grey, grey};
    }
    }
}

void TiffPixelWriter::operator()(std::uint32_t y, const std::uint8_t* const* planes) const
{
    std::uint8_t* row = target_.Row(y);
    if (target_.bitsPerPixel == 8) {
        for (std::uint32_t x = 0; x < target_.width; ++x)
            row[x] = ColourAt(planes, x).red;
        return;
    }
    for (std::uint32_t x = 0; x < target_.width; ++x, row += 3) {
        Colour colour = ColourAt(planes, x);
        if (layout_.hasAlpha) {
            const std::uint8_t alpha = Level(planes, x, layout_.alphaSample);
            const auto compose = layout_.associatedAlpha ? OnWhitePremultiplied : OnWhite;
            colour = Colour{compose(colour.red, alpha), compose(colour.green, alpha), compose(colour.blue, alpha)};
        }
        row[0] = colour.blue;
        row[1] = colour.green;
        row[2] = colour.red;
    }
}

}  // namespace picdec
