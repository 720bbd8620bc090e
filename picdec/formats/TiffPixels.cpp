#include "picdec/formats/TiffPixels.h"

#include <algorithm>
#include <cmath>

#include "picdec/colour/LabColour.h"

namespace picdec {

TiffPixelWriter::TiffPixelWriter(const TiffLayout& layout, const DibView& target, const IccProfile& profile)
    : layout_(layout), target_(target), samples_(layout.bitsPerSample, layout.sampleFormat)
{
    if (layout.photometric == PHOTOMETRIC_SEPARATED) {
        inkColours_.emplace(profile, false);
        inks_.resize(static_cast<std::size_t>(target.width) * 4);
    }
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
    case PHOTOMETRIC_CIELAB: return LabAt(planes, x);
    default: {
        std::uint8_t grey = Level(planes, x, 0);
        if (layout_.photometric == PHOTOMETRIC_MINISWHITE)
            grey = static_cast<std::uint8_t>(255 - grey);
        return Colour{grey, grey, grey};
    }
    }
}

void TiffPixelWriter::WriteInks(const std::uint8_t* const* planes, std::uint8_t* row)
{
    for (std::uint32_t x = 0; x < target_.width; ++x)
        for (int ink = 0; ink < 4; ++ink)
            inks_[x * 4 + static_cast<std::size_t>(ink)] = Level(planes, x, ink);
    inkColours_->ConvertRow(inks_.data(), target_.width, row);
}

void TiffPixelWriter::ComposeOnWhite(const std::uint8_t* const* planes, std::uint8_t* row) const
{
    const auto compose = layout_.associatedAlpha ? OnWhitePremultiplied : OnWhite;
    for (std::uint32_t x = 0; x < target_.width; ++x, row += 3) {
        const std::uint8_t alpha = Level(planes, x, layout_.alphaSample);
        for (int channel = 0; channel < 3; ++channel)
            row[channel] = compose(row[channel], alpha);
    }
}

void TiffPixelWriter::operator()(std::uint32_t y, const std::uint8_t* const* planes)
{
    std::uint8_t* row = target_.Row(y);
    if (target_.bitsPerPixel == 8) {
        for (std::uint32_t x = 0; x < target_.width; ++x)
            row[x] = ColourAt(planes, x).red;
        return;
    }
    if (inkColours_) {
        WriteInks(planes, row);
    } else {
        for (std::uint32_t x = 0; x < target_.width; ++x) {
            const Colour colour = ColourAt(planes, x);
            row[x * 3] = colour.blue;
            row[x * 3 + 1] = colour.green;
            row[x * 3 + 2] = colour.red;
        }
    }
    if (layout_.hasAlpha)
        ComposeOnWhite(planes, row);
}

}  // namespace picdec
