#include "picdec/colour/ColourHistogram.h"

namespace picdec {

ColourHistogram::ColourHistogram() : cells_(std::size_t{1} << (3 * kBits)) {}

void ColourHistogram::AddPicture(BgrRows& rows)
{
    for (std::uint32_t y = 0; y < rows.Height(); ++y) {
        const std::uint8_t* row = rows.Row(y);
        for (std::uint32_t x = 0; x < rows.Width(); ++x) {
            const unsigned blue = row[x * 3];
            const unsigned green = row[x * 3 + 1];
            const unsigned red = row[x * 3 + 2];
            HistogramCell& cell = cells_[CellOf(red, green, blue)];
            ++cell.count;
            cell.red += red;
            cell.green += green;
            cell.blue += blue;
        }
    }
}

std::vector<WeightedColour> ColourHistogram::OccupiedCells() const
{
    std::vector<WeightedColour> occupied;
    for (const HistogramCell& cell : cells_) {
        if (cell.count == 0)
            continue;
        const auto count = static_cast<float>(cell.count);
        occupied.push_back(WeightedColour{static_cast<float>(cell.red) / count, static_cast<float>(cell.green) / count,
                                          static_cast<float>(cell.blue) / count, count});
    }
    return occupied;
}

}  // namespace picdec
