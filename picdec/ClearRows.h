#pragma once

#include <algorithm>
#include <cstdint>

#include "picdec/DibView.h"

namespace picdec {

// Sets rows firstRow (counted from the top) to the bottom to zero, for a
// decoder that stopped early.
inline void ClearRowsFrom(const DibView& target, std::uint32_t firstRow)
{
    if (firstRow >= target.height)
        return;
    // Bottom-up: the rows below firstRow are the first in memory.
    const std::size_t rows = target.height - firstRow;
    std::fill(target.bits, target.bits + rows * target.Stride(), std::uint8_t{0});
}

}  // namespace picdec
