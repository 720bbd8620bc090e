#include "picdec/colour/RowBands.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace picdec {

void InRowBands(std::uint32_t rows, std::uint32_t minimumRows,
                const std::function<void(std::uint32_t first, std::uint32_t count)>& work)
{
    if (rows == 0)
        return;
    const std::uint32_t cores = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    const std::uint32_t bands = std::clamp(rows / std::max(minimumRows, 1u), 1u, cores);
    const std::uint32_t rowsPerBand = (rows + bands - 1) / bands;
    std::vector<std::jthread> helpers;
    for (std::uint32_t first = rowsPerBand; first < rows; first += rowsPerBand) {
        const std::uint32_t count = std::min(rowsPerBand, rows - first);
        try {
            helpers.emplace_back(work, first, count);
        } catch (const std::system_error&) {  // no thread to be had: this one does it
            work(first, count);
        }
    }
    work(0, std::min(rowsPerBand, rows));
}

}  // namespace picdec
