#include "picdec/colour/NearestColour.h"

#include <algorithm>
#include <limits>

namespace picdec {

namespace {

constexpr int kCoarseBits = 4;
constexpr int kFineBits = 2;

// Squared distance from a value to the interval [low, high].
int GapSquared(int value, int low, int high)
{
    const int gap = value < low ? low - value : value > high ? value - high : 0;
    return gap * gap;
}

int FarthestSquared(int value, int low, int high)
{
    const int far = std::max(value - low, high - value);
    return far * far;
}

std::size_t CellCount(int bits)
{
    const std::size_t side = std::size_t{256} >> bits;
    return side * side * side;
}

}  // namespace

NearestColour::NearestColour(const Palette& palette)
    : coarse_{kCoarseBits, std::vector<std::uint32_t>(CellCount(kCoarseBits), 0), {}},
      fine_{kFineBits, std::vector<std::uint32_t>(CellCount(kFineBits), 0), {}}
{
    static_assert(kFineBits == 2, "FineCell spreads 6-bit levels");
    for (std::size_t level = 0; level < 64; ++level) {
        std::size_t spread = 0;
        for (int bit = 0; bit < 6; ++bit)
            spread |= ((level >> bit) & 1) << (3 * bit);
        spread_.push_back(spread);
    }
    for (std::size_t i = 0; i < palette.size(); ++i) {
        red_.push_back(palette[i].red);
        green_.push_back(palette[i].green);
        blue_.push_back(palette[i].blue);
        all_.push_back(static_cast<std::uint16_t>(i));
    }
}

std::size_t NearestColour::CellIndex(int red, int green, int blue, int bits)
{
    const int sideBits = 8 - bits;
    return (static_cast<std::size_t>(red >> bits) << (2 * sideBits)) |
           (static_cast<std::size_t>(green >> bits) << sideBits) | static_cast<std::size_t>(blue >> bits);
}

std::uint32_t NearestColour::MakeFineList(int red, int green, int blue)
{
    std::uint32_t& coarse = coarse_.cells[CellIndex(red, green, blue, coarse_.bits)];
    if (coarse == 0)
        coarse = MakeList(coarse_, red, green, blue, all_);
    // MakeList below grows only the fine pool, so the coarse span stays valid.
    const std::uint32_t list = MakeList(fine_, red, green, blue, coarse_.Candidates(coarse));
    const std::span<const std::uint16_t> candidates = fine_.Candidates(list);
    if (candidates.empty() || candidates.size() > kMaxInline || candidates.back() > 255)
        return list;
    std::uint32_t cell = kInline | static_cast<std::uint32_t>(candidates.size()) << 24;
    for (std::size_t k = 0; k < candidates.size(); ++k)
        cell |= static_cast<std::uint32_t>(candidates[k]) << (8 * k);
    fine_.pool.resize(list - 1);
    return cell;
}

// Any colour of the cell lies within `bound` of some entry, so only entries
// that come that close to the cell can be the nearest to one of its colours.
std::uint32_t NearestColour::MakeList(CellLists& lists, int red, int green, int blue, std::span<const std::uint16_t> from)
{
    const int size = 1 << lists.bits;
    const int r0 = red & ~(size - 1), g0 = green & ~(size - 1), b0 = blue & ~(size - 1);
    const int r1 = r0 + size - 1, g1 = g0 + size - 1, b1 = b0 + size - 1;
    int bound = std::numeric_limits<int>::max();
    for (const std::uint16_t i : from)
        bound = std::min(bound, FarthestSquared(red_[i], r0, r1) + FarthestSquared(green_[i], g0, g1) +
                                    FarthestSquared(blue_[i], b0, b1));
    const std::size_t countAt = lists.pool.size();
    lists.pool.push_back(0);
    for (const std::uint16_t i : from) {
        if (GapSquared(red_[i], r0, r1) + GapSquared(green_[i], g0, g1) + GapSquared(blue_[i], b0, b1) <= bound) {
            lists.pool.push_back(i);
            ++lists.pool[countAt];
        }
    }
    return static_cast<std::uint32_t>(countAt + 1);
}

int NearestColour::ScanInline(std::uint32_t cell, int red, int green, int blue) const
{
    const int count = static_cast<int>((cell >> 24) & 3);
    int best = static_cast<int>(cell & 0xFF);
    int bestDistance = Distance(best, red, green, blue);
    for (int k = 1; k < count; ++k) {
        const int i = static_cast<int>((cell >> (8 * k)) & 0xFF);
        const int distance = Distance(i, red, green, blue);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

int NearestColour::Scan(std::span<const std::uint16_t> candidates, int red, int green, int blue) const
{
    int best = candidates.empty() ? 0 : candidates[0];
    int bestDistance = std::numeric_limits<int>::max();
    for (const std::uint16_t i : candidates) {
        const int distance = Distance(i, red, green, blue);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

}  // namespace picdec
