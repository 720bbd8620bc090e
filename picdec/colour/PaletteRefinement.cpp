#include "picdec/colour/PaletteRefinement.h"

#include <algorithm>
#include <cmath>

#include "picdec/colour/NearestColour.h"

namespace picdec {

namespace {

struct Sum {
    double red = 0;
    double green = 0;
    double blue = 0;
    double weight = 0;
};

std::uint8_t ToChannel(double value) { return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0))); }

}  // namespace

void RefinePalette(const std::vector<WeightedColour>& cells, Palette& palette, int passes)
{
    for (int pass = 0; pass < passes; ++pass) {
        NearestColour nearest(palette);
        std::vector<Sum> sums(palette.size());
        for (const WeightedColour& cell : cells) {
            const int index = nearest.Find(static_cast<int>(std::lround(cell.red)), static_cast<int>(std::lround(cell.green)),
                                           static_cast<int>(std::lround(cell.blue)));
            Sum& sum = sums[static_cast<std::size_t>(index)];
            sum.red += cell.red * cell.weight;
            sum.green += cell.green * cell.weight;
            sum.blue += cell.blue * cell.weight;
            sum.weight += cell.weight;
        }
        for (std::size_t i = 0; i < palette.size(); ++i) {
            const Sum& sum = sums[i];
            if (sum.weight > 0)
                palette[i] = Colour{ToChannel(sum.red / sum.weight), ToChannel(sum.green / sum.weight),
                                    ToChannel(sum.blue / sum.weight)};
        }
    }
}

}  // namespace picdec
