#pragma once
// Exact nearest palette entry by squared RGB distance (ties go to the lower
// index). The colour cube is cut into cells; a cell's candidate list, made
// when first needed, holds every entry that is nearest to some colour of the
// cell, so a search scans only a few entries. Lists of small cells (4 levels
// a side) are made from those of large ones (16 a side), which are made from
// the whole palette.

#include <cstdint>
#include <span>
#include <vector>

#include "picdec/Palette.h"

namespace picdec {

class NearestColour {
public:
    explicit NearestColour(const Palette& palette);

    int Find(int red, int green, int blue)
    {
        std::uint32_t& list = fine_.cells[FineCell(red, green, blue)];
        if (list == 0)
            list = MakeFineList(red, green, blue);
        if ((list & kInline) != 0)
            return ScanInline(list, red, green, blue);
        return Scan(fine_.Candidates(list), red, green, blue);
    }

private:
    // Marks a fine cell that holds its candidates itself: up to three
    // indices in bits 0-23, their count in bits 24-25. Most cells have so
    // few, and their searches then need no second memory access.
    static constexpr std::uint32_t kInline = 0x80000000u;
    static constexpr std::size_t kMaxInline = 3;

    struct CellLists {
        int bits;  // log2 of a cell's side
        std::vector<std::uint32_t> cells;  // list position plus one (or kInline), 0 while unmade
        std::vector<std::uint16_t> pool;   // per list: a count, then that many indices

        std::span<const std::uint16_t> Candidates(std::uint32_t list) const
        {
            return {pool.data() + list, pool[list - 1]};
        }
    };

    static std::size_t CellIndex(int red, int green, int blue, int bits);
    // Fine cells are stored in Morton order, so cells of similar colours sit
    // close together in memory: dithered neighbours mostly hit the cache.
    std::size_t FineCell(int red, int green, int blue) const
    {
        return spread_[static_cast<std::size_t>(red >> 2)] << 2 | spread_[static_cast<std::size_t>(green >> 2)] << 1 |
               spread_[static_cast<std::size_t>(blue >> 2)];
    }

    std::uint32_t MakeFineList(int red, int green, int blue);
    std::uint32_t MakeList(CellLists& lists, int red, int green, int blue, std::span<const std::uint16_t> from);
    int Scan(std::span<const std::uint16_t> candidates, int red, int green, int blue) const;
    int ScanInline(std::uint32_t cell, int red, int green, int blue) const;
    int Distance(int index, int red, int green, int blue) const
    {
        const auto i = static_cast<std::size_t>(index);
        const int dr = red_[i] - red, dg = green_[i] - green, db = blue_[i] - blue;
        return dr * dr + dg * dg + db * db;
    }

    std::vector<std::size_t> spread_;  // bits of a 6-bit level, two zero bits apart
    std::vector<int> red_, green_, blue_;
    std::vector<std::uint16_t> all_;
    CellLists coarse_;
    CellLists fine_;
};

}  // namespace picdec
