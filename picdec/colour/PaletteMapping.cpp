#include "picdec/colour/PaletteMapping.h"

#include <algorithm>
#include <vector>

#include "picdec/CheckedSize.h"
#include "picdec/PixelRows.h"
#include "picdec/colour/NearestColour.h"

namespace picdec {

namespace {

void MapRowNearest(const std::uint8_t* source, std::uint32_t width, NearestColour& nearest, std::uint8_t* indices)
{
    for (std::uint32_t x = 0; x < width; ++x)
        indices[x] = static_cast<std::uint8_t>(nearest.Find(source[x * 3 + 2], source[x * 3 + 1], source[x * 3]));
}

// Errors are kept in sixteenths, one row ahead, with a pixel of margin on
// both sides so the edges need no special case.
class FloydSteinberg {
public:
    FloydSteinberg(std::uint32_t width, const Palette& palette)
        : width_(width), palette_(palette), current_(MarginRowLength(width), 0), next_(MarginRowLength(width), 0)
    {
    }

    void MapRow(const std::uint8_t* source, bool leftToRight, NearestColour& nearest, std::uint8_t* indices)
    {
        std::fill(next_.begin(), next_.end(), 0);
        const int step = leftToRight ? 1 : -1;
        const auto last = static_cast<int>(width_) - 1;
        for (int i = 0; i <= last; ++i) {
            const int x = leftToRight ? i : last - i;
            MapPixel(source, x, step, nearest, indices);
        }
        current_.swap(next_);
    }

private:
    static std::size_t MarginRowLength(std::uint32_t width)
    {
        return SizeForAllocation((CheckedSize(width) + 2) * 3);
    }

    void MapPixel(const std::uint8_t* source, int x, int step, NearestColour& nearest, std::uint8_t* indices)
    {
        const auto at = static_cast<std::size_t>(x + 1) * 3;
        int wanted[3];
        for (int c = 0; c < 3; ++c)
            wanted[c] = std::clamp(source[x * 3 + (2 - c)] + ((current_[at + static_cast<std::size_t>(c)] + 8) >> 4), 0, 255);
        const int index = nearest.Find(wanted[0], wanted[1], wanted[2]);
        indices[x] = static_cast<std::uint8_t>(index);
        const Colour& chosen = palette_[static_cast<std::size_t>(index)];
        const int got[3] = {chosen.red, chosen.green, chosen.blue};
        const auto ahead = static_cast<std::size_t>(x + 1 + step) * 3;
        const auto behind = static_cast<std::size_t>(x + 1 - step) * 3;
        for (std::size_t c = 0; c < 3; ++c) {
            const int error = wanted[c] - got[c];
            current_[ahead + c] += error * 7;
            next_[behind + c] += error * 3;
            next_[at + c] += error * 5;
            next_[ahead + c] += error;
        }
    }

    std::uint32_t width_;
    const Palette& palette_;
    std::vector<int> current_;
    std::vector<int> next_;
};

}  // namespace

void MapToPalette(BgrRows& source, const Palette& palette, bool dither, const DibView& target)
{
    NearestColour nearest(palette);
    const std::uint32_t width = source.Width();
    std::vector<std::uint8_t> indices(width);
    FloydSteinberg diffusion(width, palette);
    for (std::uint32_t y = 0; y < source.Height(); ++y) {
        if (dither)
            diffusion.MapRow(source.Row(y), y % 2 == 0, nearest, indices.data());
        else
            MapRowNearest(source.Row(y), width, nearest, indices.data());
        PackIndices(indices.data(), width, target.bitsPerPixel, target.Row(y));
    }
}

}  // namespace picdec
