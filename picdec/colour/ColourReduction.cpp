#include "picdec/colour/ColourReduction.h"

#include <vector>

#include "picdec/colour/ColourHistogram.h"
#include "picdec/colour/PaletteRefinement.h"
#include "picdec/colour/WuQuantizer.h"

namespace picdec {

namespace {

constexpr int kRefinementPasses = 3;
constexpr std::uint32_t kNoColour = 0xFFFFFFFF;

// Open addressing over 1024 slots: room for 257 colours at a low load.
class SmallColourSet {
public:
    SmallColourSet() : slots_(kSlots, kEmpty) {}

    // False once more than `limit` distinct colours were added.
    bool Add(std::uint32_t colour, std::size_t limit)
    {
        std::size_t slot = (colour * 2654435761u) >> 22;
        while (slots_[slot] != kEmpty) {
            if (slots_[slot] == colour)
                return true;
            slot = (slot + 1) & (kSlots - 1);
        }
        if (order_.size() >= limit)
            return false;
        slots_[slot] = colour;
        order_.push_back(colour);
        return true;
    }

    const std::vector<std::uint32_t>& Colours() const { return order_; }

private:
    static constexpr std::size_t kSlots = 1024;
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFF;

    std::vector<std::uint32_t> slots_;
    std::vector<std::uint32_t> order_;
};

}  // namespace

std::optional<Palette> ExactColours(BgrRows& rows, int maxColours)
{
    SmallColourSet colours;
    const auto limit = static_cast<std::size_t>(maxColours);
    for (std::uint32_t y = 0; y < rows.Height(); ++y) {
        const std::uint8_t* row = rows.Row(y);
        std::uint32_t previous = kNoColour;
        for (std::uint32_t x = 0; x < rows.Width(); ++x) {
            const std::uint32_t colour = static_cast<std::uint32_t>(row[x * 3 + 2]) << 16 |
                                         static_cast<std::uint32_t>(row[x * 3 + 1]) << 8 | row[x * 3];
            if (colour != previous && !colours.Add(colour, limit))
                return std::nullopt;
            previous = colour;
        }
    }
    Palette palette;
    for (const std::uint32_t colour : colours.Colours())
        palette.push_back(Colour{static_cast<std::uint8_t>(colour >> 16), static_cast<std::uint8_t>(colour >> 8),
                                 static_cast<std::uint8_t>(colour)});
    return palette;
}

Palette ReducedPalette(BgrRows& rows, int maxColours)
{
    if (std::optional<Palette> exact = ExactColours(rows, maxColours))
        return *exact;
    ColourHistogram histogram;
    histogram.AddPicture(rows);
    Palette palette = WuPalette(histogram, maxColours);
    RefinePalette(histogram.OccupiedCells(), palette, kRefinementPasses);
    return palette;
}

}  // namespace picdec
