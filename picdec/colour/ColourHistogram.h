#pragma once
// Counts of a picture's colours in cells of 6 bits per channel, with the
// sums that give each cell's mean colour.

#include <cstdint>
#include <vector>

#include "picdec/BgrRows.h"

namespace picdec {

struct HistogramCell {
    std::uint32_t count = 0;
    std::uint64_t red = 0;
    std::uint64_t green = 0;
    std::uint64_t blue = 0;
};

// The occupied cells of the histogram, each with its mean colour.
struct WeightedColour {
    float red;
    float green;
    float blue;
    float weight;
};

class ColourHistogram {
public:
    static constexpr int kBits = 6;
    static constexpr int kSide = 1 << kBits;

    ColourHistogram();

    void AddPicture(BgrRows& rows);
    std::vector<WeightedColour> OccupiedCells() const;
    const std::vector<HistogramCell>& Cells() const { return cells_; }

    static constexpr std::size_t CellOf(unsigned red, unsigned green, unsigned blue)
    {
        constexpr unsigned shift = 8 - kBits;
        return (static_cast<std::size_t>(red >> shift) << (2 * kBits)) |
               (static_cast<std::size_t>(green >> shift) << kBits) | (blue >> shift);
    }

private:
    std::vector<HistogramCell> cells_;
};

}  // namespace picdec
