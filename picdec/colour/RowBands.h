#pragma once
// Work on a picture's rows shared among the processor's cores.

#include <cstdint>
#include <functional>

namespace picdec {

// Calls work(first, count) for bands of the rows 0 to rows - 1, at the same
// time on other threads, and returns when all are done. Bands have at least
// minimumRows rows, so that small pictures stay on one core.
void InRowBands(std::uint32_t rows, std::uint32_t minimumRows,
                const std::function<void(std::uint32_t first, std::uint32_t count)>& work);

}  // namespace picdec
